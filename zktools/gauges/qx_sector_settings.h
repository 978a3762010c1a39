// Three coloured sectors of a gauge's range, in per mille of the value range.
// Every setter stores a value that differs and then notifies the owner.
#ifndef ZKTOOLS_GAUGES_QX_SECTOR_SETTINGS_H
#define ZKTOOLS_GAUGES_QX_SECTOR_SETTINGS_H

#include "zktools/gauges/qx_types.h"

#include <array>

namespace zk::gauges {

class TSectorSettings : public TPersistent {
public:
    TSectorSettings() = default;

    TNotifyEvent OnChange;

    TColor Sector1Color() const { return sectors_[0].color; }
    int Sector1From() const { return sectors_[0].from; }
    int Sector1To() const { return sectors_[0].to; }
    TColor Sector2Color() const { return sectors_[1].color; }
    int Sector2From() const { return sectors_[1].from; }
    int Sector2To() const { return sectors_[1].to; }
    TColor Sector3Color() const { return sectors_[2].color; }
    int Sector3From() const { return sectors_[2].from; }
    int Sector3To() const { return sectors_[2].to; }

    void SetSector1Color(TColor value) { SetColor(0, value); }
    void SetSector1From(int value) { SetFrom(0, value); }
    void SetSector1To(int value) { SetTo(0, value); }
    void SetSector2Color(TColor value) { SetColor(1, value); }
    void SetSector2From(int value) { SetFrom(1, value); }
    void SetSector2To(int value) { SetTo(1, value); }
    void SetSector3Color(TColor value) { SetColor(2, value); }
    void SetSector3From(int value) { SetFrom(2, value); }
    void SetSector3To(int value) { SetTo(2, value); }

    // Sector k = 1, 2 or 3.
    TColor Color(int k) const { return sectors_[Index(k)].color; }
    int From(int k) const { return sectors_[Index(k)].from; }
    int To(int k) const { return sectors_[Index(k)].to; }

    // Calls OnChange (sender: this) if assigned.
    void Change();

private:
    struct Sector {
        TColor color;
        int from;
        int to;
    };
    static int Index(int k) { return k < 1 ? 0 : (k > 3 ? 2 : k - 1); }
    void SetColor(int i, TColor value);
    void SetFrom(int i, int value);
    void SetTo(int i, int value);

    std::array<Sector, 3> sectors_{{{clYellow, 0, 333}, {clGreen, 334, 666}, {clRed, 667, 1000}}};
};

} // namespace zk::gauges

#endif
