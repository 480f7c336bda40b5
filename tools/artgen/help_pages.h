#pragma once

// The text of the six help pages, kept here in plain words so it is easy to
// read and correct; HelpPages.cpp lays it out and draws it.
//
// Markup, one element per line:
//   # Title            the page title (first line)
//   ## Heading         a heading
//   - text             a bullet point
//   [Key] [Key] :: text  keyboard keys and what they do
//   | a | b | c        a table row (the first row is the header)
//   @name              a picture: @boards or @pad
//   ||                 go on in the right-hand column
//   any other line     a paragraph; **text** is bold
//   an empty line      a little space

namespace art::help {

inline constexpr const char* kPages[] = {
    R"(# How to play
## The rule
Fill every empty cell of the 9 × 9 board with a digit from 1 to 9 so that each **row**, each **column** and each **region** holds every digit exactly once.

The given digits are **grey** and cannot be changed; the digits you enter are **white**.
## Two kinds of board
**Regular**: the nine regions are the 3 × 3 boxes, shown in two alternating shades.

**Nonomino**: the nine regions are irregular shapes of nine connected cells. Each region has its own shade and texture.
||
@boards
Fill the last cell correctly and the puzzle is solved. Every puzzle is made new when a game starts, so no two games are alike.

Start a game with **BEGIN GAME** on the title screen: choose the level, the mode (Training or Challenge) and, for Training, the kind of board, then click **OK**.)",

    R"(# Training and Challenge
## Training
One puzzle of the kind and level you chose; the clock counts up from 00:00:00. The level sets how many digits are given: **Easy** 41, **Normal** 32, **Hard** 27.
Your shortest time on each level is kept as a best record. Beat it and you are asked for your name.
## Challenge
Ten stages in a row, each against a time limit. A bar and the seconds left are shown where the clock is. If the time runs out, the challenge is over. Each stage is announced first; its clock starts when you click **Continue**.

**Score**: 1000 for every completed stage, minus the seconds on the challenge clock. The best score for each level is kept.
||
The stages alternate Regular and Nonomino boards: Easy puzzles in stages 1–4, Normal in 5–8, Hard in 9–10. The level you choose shortens every time limit by 50 seconds (Normal) or 100 seconds (Hard). Time limits by the level you chose:
| Stage | Board | Puzzle | Easy | Normal | Hard
| 1 | Regular | Easy | 450 s | 400 s | 350 s
| 2 | Nonomino | Easy | 400 s | 350 s | 300 s
| 3 | Regular | Easy | 350 s | 300 s | 250 s
| 4 | Nonomino | Easy | 300 s | 250 s | 200 s
| 5 | Regular | Normal | 600 s | 550 s | 500 s
| 6 | Nonomino | Normal | 550 s | 500 s | 450 s
| 7 | Regular | Normal | 500 s | 450 s | 400 s
| 8 | Nonomino | Normal | 450 s | 400 s | 350 s
| 9 | Regular | Hard | 750 s | 700 s | 650 s
| 10 | Nonomino | Hard | 700 s | 650 s | 600 s)",

    R"(# Entering digits
## The number pad
Click an empty cell that was not given: the number pad opens over it.
- **1 to 9** write that digit into the cell.
- The **eraser** empties the cell.
- The **bulb** gives a hint; the small number beside it shows how many hints are left.
- The **pencil** switch turns the next digit into a pencil mark.
A **right click**, or a click outside the pad, closes it without a change.
## Clashes
A digit that already stands in the same row, column or region is refused: the cell that holds it **flashes red** and a click sounds. Your cell keeps what it had.
||
@pad
Turn on **Pad assist** to see at once which digits fit: the pad greys out the others.)",

    R"(# Pencil, hints and options
## Pencil marks
Tick the pencil switch, then choose a digit: it shows small in the cell as a note to yourself. A pencil mark is not an entry: it does not count towards the solution and is not saved. A cell shows one mark; a new mark or an entry replaces it. Opening the pad with a click turns the switch off.
## Hints
Three per game. A hint writes the correct digit into the cell. If a wrong entry of yours already holds that digit in the row, column or region, the hint is refused like a clash, and it is still used up.
## The eraser
Empties the cell, taking away an entry or a pencil mark.
||
## Options, ON or OFF
- **Sound**: the click of a refused digit and the chime of a solved board.
- **Music**: calm background music.
- **Pad assist**: the pad greys out the digits that would clash. It starts OFF in every new game.
- **Highlight**: lights up the row, column and region under the pointer.
## Pausing
**PAUSE**, or the **Pause** key, hides the digits and stops the clock until you click **Continue**.)",

    R"(# Keyboard
The keys work on the game screen. The **cursor** is the cell under the pointer, or the one you move to with the arrow keys; the first arrow key starts at the top left cell.
[←] [→] :: Move the cursor to the previous or next cell you can fill. At the end of a row it goes on in the next row.
[↑] [↓] :: Move the cursor up or down its column to the next cell you can fill.
[Enter] :: Open the number pad on the cursor cell.

While the pad is open the arrow keys rest; a digit key enters its digit and closes the pad.
||
[1 – 9] :: Enter that digit while the pad is open.
[Space] [:] :: Erase the cell while the pad is open.
[Pause] :: Pause the game.
[Ctrl] [S] :: Save the game.
[Ctrl] [A] :: Hold on the Congratulations panel to see the credits.

Other keys, Esc included, do nothing. The mouse does everything else; a right click closes the pad.)",

    R"(# Commands, saving and printing
## Commands
- **RESTART** starts the same puzzle again, with the clock at zero and three hints.
- **SOLUTION** gives up and shows the whole solution.
- **MAIN MENU** ends the game and goes back to the title screen.
- **HOW TO PLAY** opens these pages; the clock waits.
RESTART, SOLUTION and MAIN MENU ask you to confirm first.
## Saving
**SAVE GAME**, or **Ctrl+S**, asks for a file name. Games are saved as **.sv** files, at first in the **save** folder beside the game, under today's date. You are asked before a file is replaced.
||
## Loading
**LOAD GAME** on the title screen opens a saved game. It goes on where it was saved, clock included; pencil marks and used hints are not saved.
## Printing
**PRINT** shows a preview of the puzzle as it was dealt, with the given digits only. Click **Print** to print it on the default printer, to solve on paper.
## Best records
**BEST RECORDS** on the title screen lists the fastest Training times and the highest Challenge scores for each level.

Good luck, and enjoy the game!)",
};

} // namespace art::help
