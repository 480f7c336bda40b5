#pragma once

#include "widgets/clsRbtn.h"

#include <QBrush>
#include <QString>
#include <cstdint>
#include <vector>

// Binds radio buttons so that exactly one is selected, and draws the captioned panel a
// group stands on. The buttons belong to the owner, who also draws them.
class clsRadios {
public:
    int16_t value = 0; // index of the selected button
    QBrush BrushComFrm1;

    void drawFrame(const QString& cap, int32_t X, int32_t Y, int16_t Wid, int16_t h);
    void AddRadio(clsRbtn& obj);
    void MouseMove(int16_t X, int16_t Y);
    bool MouseUp();
    void MouseDown();
    void setvalue(int16_t val);

private:
    std::vector<clsRbtn*> radios;
};
