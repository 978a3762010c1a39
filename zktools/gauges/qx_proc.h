// The free routines all gauges share: geometry, text, label lists, small shapes,
// and opening a file through the desktop.
#ifndef ZKTOOLS_GAUGES_QX_PROC_H
#define ZKTOOLS_GAUGES_QX_PROC_H

#include "zktools/gauges/qx_math.h"
#include "zktools/gauges/qx_proc_geometry.h"
#include "zktools/gauges/qx_proc_shapes.h"
#include "zktools/gauges/qx_proc_text.h"
#include "zktools/gauges/qx_shell.h"

#endif
