// Counts every allocation made through the global operator new of this program.
#ifndef ZK_COUNTING_NEW_H
#define ZK_COUNTING_NEW_H

long AllocationCount();

#endif
