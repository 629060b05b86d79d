// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
// The one door for the window's events: what the player cannot reach is dropped here.
#include "Quiz.h"

bool Quiz::canReach(Event event, int index) const
{
    const bool panelShown = controls.Frame2Visible;  // it covers the tiles and "Next Question"
    switch (event) {
    case Event::TileClick:
    case Event::TileMove:
        return !panelShown && index >= 1 && index <= 4 && controls.Picture1[index].enabled;
    case Event::NextQuestion:
        return !panelShown && controls.Command1Visible;
    case Event::Start:
    case Event::TimePicked:
        return panelShown;
    case Event::Restart:
        return controls.Command3Visible;
    case Event::WordChosen:
        return controls.List1.enabled;
    case Event::Hints:
    case Event::MessageTick:
    case Event::CountdownTick:
        return true;
    }
    return false;
}

void Quiz::deliver(Event event, int index)
{
    if (!canReach(event, index))
        return;
    switch (event) {
    case Event::TileClick: Picture1_Click(index); break;
    case Event::TileMove: Picture1_MouseMove(index); break;
    case Event::NextQuestion: Command1_Click(); break;
    case Event::Start: Command2_Click(); break;
    case Event::Restart: Command3_Click(); break;
    case Event::Hints: Command5_Click(); break;
    case Event::TimePicked:
        controls.Combo1.listIndex = index;
        Combo1_Click();
        break;
    case Event::WordChosen:
        controls.List1.listIndex = index;
        List1_DblClick();
        break;
    case Event::MessageTick: Timer1_Timer(); break;
    case Event::CountdownTick: Timer2_Timer(); break;
    }
}

void Quiz::typeName(const QString &name)
{
    if (controls.Frame2Visible)
        controls.Text7 = name;
}
