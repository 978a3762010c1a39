#include "zktools/model/data_process.h"
#include "zktools/model/transfer_place.h"
#include "zktools/model/var_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

namespace {

TEST(Packing, TwoRegistersCombineIntoASignedValue) {
    struct Case {
        int32_t low;
        int32_t high;
        int32_t width;
        int32_t value;
    };
    const Case cases[] = {
        {0xF0, 0xFF, 4, -1},
        {0x00, 0x80, 8, -32768},
        {0xFC, 0x7F, 6, 8191},
        {0xFF, 0xFF, 4, -1},
        {0x0F, 0x00, 4, 0},
        {0x40, 0x06, 4, 100},
        {0xFF, 0xFF, 8, -1},
        {0x85, 0x5F, 8, 24453},
        {0x04, 0x80, 6, -8191},
        {0x10, 0x80, 4, -2047},
        {0xF0, 0x7F, 4, 2047},
        // Only the low 8 bits of a register byte count.
        {0x1F0, 0x3FF, 4, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataProcess::CombineBytes(c.low, c.high, c.width), c.value)
            << c.low << " " << c.high << " " << c.width;
    }
}

TEST(Packing, ValuesSplitIntoHighAndLowByte) {
    struct Case {
        int32_t value;
        int32_t width;
        int32_t high;
        int32_t low;
    };
    const Case cases[] = {
        {-1, 4, 255, 240},   {-8191, 6, 128, 4},  {100, 4, 0x06, 0x40},  {-1, 8, 0xFF, 0xFF},
        {24453, 8, 95, 133}, {-32768, 8, 128, 0}, {2047, 4, 0x7F, 0xF0}, {0, 6, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DataProcess::HighByte(c.value, c.width), c.high) << c.value << " " << c.width;
        EXPECT_EQ(DataProcess::LowByte(c.value, c.width), c.low) << c.value << " " << c.width;
    }
}

TEST(Packing, BitFields) {
    EXPECT_EQ(DataProcess::ExtractBits(0x40, 6, 1), 1);
    EXPECT_EQ(DataProcess::ExtractBits(0xA0, 7, 8), 160);
    EXPECT_EQ(DataProcess::ExtractBits(0x25, 1, 2), 1);
    EXPECT_EQ(DataProcess::ExtractBits(0x25, 3, 2), 1);
    EXPECT_EQ(DataProcess::ExtractBits(0x25, 5, 1), 1);
    EXPECT_EQ(DataProcess::ExtractBits(0x25, 6, 1), 0);
    EXPECT_EQ(DataProcess::InsertBits(160, 0x00, 7, 8), 0xA0);
    EXPECT_EQ(DataProcess::InsertBits(-96, 0x00, 7, 8), 0xA0);
    EXPECT_EQ(DataProcess::InsertBits(-96 + 256, 0x5A, 7, 8), 0xA0);
    EXPECT_EQ(DataProcess::InsertBits(2, 0xFF, 3, 2), 0xFB);
    EXPECT_EQ(DataProcess::InsertBits(1, 0x25, 6, 1), 0x65);
    EXPECT_EQ(DataProcess::InsertBits(-1, 0x00, 3, 2), 0x0C);
    // A value wider than the field keeps only the field's bits.
    EXPECT_EQ(DataProcess::InsertBits(0x1F, 0x00, 3, 2), 0x0C);
    EXPECT_EQ(DataProcess::InsertBits(INT_MIN, 0xFF, 7, 8), 0x00);
}

TEST(Packing, FieldsOutsideARegisterAreRefused) {
    EXPECT_EQ(DataProcess::ExtractBits(0xFF, 3, 5), 0);
    EXPECT_EQ(DataProcess::ExtractBits(0xFF, 3, 0), 0);
    EXPECT_EQ(DataProcess::ExtractBits(0xFF, 40, 2), 0);
    EXPECT_EQ(DataProcess::InsertBits(1, 0x5A, 3, 5), 0x5A);
    EXPECT_EQ(DataProcess::InsertBits(1, 0x5A, -1, 1), 0x5A);
    EXPECT_EQ(DataProcess::CombineBytes(0xFF, 0xFF, 9), 0);
    EXPECT_EQ(DataProcess::HighByte(5, -1), 0);
    EXPECT_EQ(DataProcess::LowByte(5, 9), 0);
}

// Every value a two-register parameter can hold survives the split and the combination.
TEST(Packing, TwoRegisterParametersRoundTrip) {
    for (int i = 0; i < VarTableRecords; ++i) {
        const VarTable& r = VarTables[i];
        if (r.Bytes != 2) {
            continue;
        }
        const int32_t w = r.Width;
        for (int32_t v = -(1 << (w + 7)); v < (1 << (w + 7)); ++v) {
            const int32_t high = DataProcess::HighByte(v, w);
            const int32_t low = DataProcess::LowByte(v, w);
            ASSERT_GE(high, 0) << r.Name << " " << v;
            ASSERT_LE(high, 255) << r.Name << " " << v;
            ASSERT_EQ(low & ((1 << (8 - w)) - 1), 0) << r.Name << " " << v;
            ASSERT_LE(low, 255) << r.Name << " " << v;
            ASSERT_EQ(DataProcess::CombineBytes(low, high, w), v) << r.Name;
        }
    }
}

// Every value a one-register field holds, written into any register byte, reads back through
// the transfers' own encoding and decoding and leaves the neighbours' bits alone.
TEST(Packing, OneRegisterParametersKeepTheirNeighbours) {
    for (int i = 0; i < VarTableRecords; ++i) {
        const VarTable& r = VarTables[i];
        if (r.Bytes != 1) {
            continue;
        }
        const std::optional<zkmodel_detail::Place> p = zkmodel_detail::Locate(r.Name);
        ASSERT_TRUE(p) << r.Name;
        const int32_t lsb = r.MsbBit - r.Width + 1;
        const int32_t mask = ((1 << r.Width) - 1) << lsb;
        // The field's whole range, which holds the table's limits.
        const bool isSigned = r.Type == zkmodel_detail::SignedByteType;
        const int32_t lowest = isSigned ? -(1 << (r.Width - 1)) : 0;
        const int32_t highest = isSigned ? (1 << (r.Width - 1)) - 1 : (1 << r.Width) - 1;
        ASSERT_LE(lowest, std::min(r.VMin, r.IMin)) << r.Name;
        ASSERT_GE(highest, std::max(r.VMax, r.IMax)) << r.Name;
        for (int32_t v = lowest; v <= highest; ++v) {
            for (int32_t byte = 0; byte < 256; ++byte) {
                const int32_t put = zkmodel_detail::EncodeByte(*p, v, byte);
                ASSERT_EQ(put & ~mask, byte & ~mask) << r.Name << " " << v << " " << byte;
                ASSERT_LT(put, 256);
                ASSERT_EQ(zkmodel_detail::DecodeByte(*p, put), v) << r.Name << " " << byte;
            }
        }
    }
}

// The signed byte's edges, as a register or NV word holds them.
TEST(Packing, ASignedByteDecodesByTwosComplement) {
    const std::optional<zkmodel_detail::Place> p = zkmodel_detail::Locate("PWMPlus");
    ASSERT_TRUE(p);
    ASSERT_EQ(p->type, zkmodel_detail::SignedByteType);
    const std::pair<int32_t, int32_t> cases[] = {
        {0x00, 0}, {0x7F, 127}, {0x80, -128}, {0xA0, -96}, {0xFF, -1}};
    for (const auto& [byte, value] : cases) {
        EXPECT_EQ(zkmodel_detail::DecodeByte(*p, byte), value) << byte;
        EXPECT_EQ(zkmodel_detail::EncodeByte(*p, value, 0x5A), byte) << value;
    }
}

} // namespace
