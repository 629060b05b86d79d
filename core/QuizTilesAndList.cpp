// The hover effect of the answer tiles and the choice of a question from the word list.
#include "Quiz.h"

void Quiz::Picture1_MouseMove(int Index)
{
    if (Index < 1 || Index > 4 || !controls.Picture1[Index].enabled || underStartPanel())
        return;
    // Always from the home positions, so no number of moves makes a tile drift.
    constexpr int kHoverOffset = 10;
    for (int t = 1; t <= 4; ++t) {
        const int d = t == Index ? kHoverOffset : 0;
        controls.Picture1[t].left = static_cast<int>(TileLeft[t]) - d;
        controls.Picture1[t].top = static_cast<int>(TileTop[t]) - d;
        controls.Picture1[t].border = t == Index ? 1 : 0;
    }
}

void Quiz::List1_DblClick()
{
    const ListBox &list = controls.List1;
    if (!list.enabled)
        return;
    controls.Text2.visible = false;
    controls.Text5.visible = false;
    controls.Text3.write(QString());
    DegreeFactor = 1;
    ++QuestionCount;
    // The entry is tied to its question by its text, never by its position.
    const bool selected = list.listIndex >= 0 && list.listIndex < list.items.size();
    const QString chosen = selected ? list.items[list.listIndex] : QString();
    for (int i = 1; i <= QuestionTotal; ++i) {
        if (chosen == Term[i])
            CurrentQuestion = i;
    }
    setTilesEnabled(true);
    PlaceAnswers(CurrentQuestion);
    ShowHeading(CurrentQuestion);
    ArmCountdown();
}
