// Lists pairing raw keys of the two-state and enumeration parameters with file tokens
// and display labels.
#ifndef ZKTOOLS_MODEL_VALUE_LABELS_H
#define ZKTOOLS_MODEL_VALUE_LABELS_H

#include <cstdint>

struct ValueLabel {
    int32_t Key;       // -1 ends a list
    const char* Token; // word of the parameter file; nullptr only at the end
    const char* Label; // text shown to the user; nullptr only at the end
};

struct ValueLabelList {
    const char* Name;         // parameter name, "FaultCode" or "Stat"; nullptr ends LabelLists
    const ValueLabel* Labels; // first entry
};

inline constexpr int32_t LabelListCount = 19;

// The 19 lists in their fixed order, then an end entry.
extern const ValueLabelList LabelLists[LabelListCount + 1];

#endif
