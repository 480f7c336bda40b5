#pragma once

#include "shell/Screen.h"

#include <QString>
#include <cstdint>

class clsConfirmDialog : public Screen {
public:
    int32_t myid = 0;
    int32_t Show(const QString&, const QString&, uint8_t = 0, const QString& = {},
                 const QString& = {}) {
        return 0;
    }
    void Draw() override {}
};
