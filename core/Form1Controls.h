// SPDX-FileCopyrightText: 2026 Quelro Programs
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

// What the controls of the main window show, as plain data. The handlers of
// the quiz write it; the window applies it to its widgets after every event.
// Defaults are the controls' state when the window is first built.

struct TextBox {
    QString text;
    bool visible = true;
    // Counts writes, so that the window replaces what a player typed into the
    // box even when a handler writes the same text again.
    std::uint32_t writes = 0;

    void write(const QString &newText)
    {
        text = newText;
        ++writes;
    }
};

struct Label {
    QString caption;
    bool visible = true;
};

struct ListBox {
    QStringList items;
    int listIndex = -1;  // the selected entry, -1 for none
    bool enabled = true;
};

struct ComboBox {
    QStringList items;
    int listIndex = -1;
};

struct ProgressBar {
    int min = 0;
    int max = 100;
    int value = 0;
    bool visible = true;
};

struct Timer {
    int interval = 0;  // milliseconds; 0 means the timer does not tick
    // Counts settings of the interval: each one starts the timer's second afresh.
    std::uint32_t starts = 0;

    void setInterval(int milliseconds)
    {
        interval = milliseconds;
        ++starts;
    }
};

// An answer tile. Positions are in twips; picture 0 is the empty picture,
// the others are answer pictures by Picture number, four a question.
struct Tile {
    int picture = 0;
    int left = 0;
    int top = 0;
    int border = 0;  // 0 none, 1 single fixed border
    bool enabled = true;
};

inline constexpr int kTileWidth = 2220;
inline constexpr int kTileHeight = 1905;
inline constexpr int kTileTopHome = 525;
inline constexpr std::array<int, 4> kTileLeftHome = {105, 2415, 4725, 7035};

struct Form1Controls {
    QString caption;  // the window's title

    bool Frame2Visible = true;  // the start panel, over the tiles and the heading
    QString Text7;              // the name box, typed by the player

    Label Label1;                                   // question heading
    Label Label2{QString(), false};                 // time limit after Start
    Label Label3{QString(), false};                 // player's name after Start
    TextBox Text1;                                  // rating word
    TextBox Text2{QString(), false};                // answer feedback
    TextBox Text3;                                  // degree of the question
    TextBox Text4;                                  // running total
    TextBox Text5{QString(), false};                // hint
    bool Command1Visible = true;                    // "Next Question"
    bool Command3Visible = false;                   // "Restart"
    bool Command4Visible = false;                   // "Exit"
    ListBox List1{QStringList(), -1, false};        // word list
    ComboBox Combo1{{QStringLiteral("15"), QStringLiteral("20"), QStringLiteral("25"),
                     QStringLiteral("30"), QStringLiteral("35"), QStringLiteral("40"),
                     QStringLiteral("45"), QStringLiteral("50"), QStringLiteral("55"),
                     QStringLiteral("60")},
                    -1};
    ProgressBar ProgressBar1;
    Timer Timer1;  // hides the try-again message
    Timer Timer2;  // the countdown's one-second tick

    // Index = tile number 1 to 4; element 0 is unused.
    std::array<Tile, 5> Picture1 = {Tile{},
                                    Tile{0, kTileLeftHome[0], kTileTopHome},
                                    Tile{0, kTileLeftHome[1], kTileTopHome},
                                    Tile{0, kTileLeftHome[2], kTileTopHome},
                                    Tile{0, kTileLeftHome[3], kTileTopHome}};
};
