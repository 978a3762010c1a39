// The smallest and largest value a gauge has seen, with when it saw them. No
// change event; the owning gauge reports changes itself.
#ifndef ZKTOOLS_GAUGES_QX_MIN_MAX_H
#define ZKTOOLS_GAUGES_QX_MIN_MAX_H

#include "zktools/gauges/qx_datetime.h"
#include "zktools/gauges/qx_types.h"

namespace zk::gauges {

class TMinMax : public TPersistent {
public:
    // Both 0, both times the construction time.
    TMinMax();

    float Max() const { return max_; }
    float Min() const { return min_; }
    const TDateTime& MaxDateTime() const { return maxDateTime_; }
    const TDateTime& MinDateTime() const { return minDateTime_; }

    // Store the value and stamp it with the current local date and time.
    void SetMax(float value);
    void SetMin(float value);
    void SetMaxDateTime(const TDateTime& when) { maxDateTime_ = when; }
    void SetMinDateTime(const TDateTime& when) { minDateTime_ = when; }

private:
    float max_ = 0.0f;
    float min_ = 0.0f;
    TDateTime maxDateTime_;
    TDateTime minDateTime_;
};

} // namespace zk::gauges

#endif
