#include "zktools/model/data_process.h"

DataProcess DataProc;
