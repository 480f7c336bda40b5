#pragma once

#include <QPoint>

// Where the player clicks: the middle of each button the screens and dialogs draw.
namespace place {
constexpr QPoint BeginGame{365, 140}, Help{365, 210}, LoadGame{365, 280}, BestRecords{365, 350},
    Exit{365, 420};
constexpr QPoint Hard{605, 114}, Challenge{205, 214}, Training{605, 214}, Nonomino{605, 314},
    OptionsOk{400, 479};
constexpr QPoint Save{92, 81}, Pause{92, 121}, Print{92, 161}, Restart{92, 201}, Solution{92, 241},
    MainMenu{92, 281}, HowToPlay{92, 321};
constexpr QPoint ConfirmOk{520, 356}, ConfirmCancel{340, 356}, Continue{520, 331},
    DialogOk{520, 351};
constexpr QPoint HelpClose{110, 549}, HelpBack{540, 549}, HelpNext{675, 549},
    RecordsClose{405, 479}, TrainingTab{350, 80};
} // namespace place
