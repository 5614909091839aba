// The bitmap reader on the embedded frog and on small made-up files.
#include "bmp_reader.h"
#include "frog_bmp_data.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
void Put32(std::vector<unsigned char> &b, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) {
        b[at + k] = static_cast<unsigned char>(v >> (8 * k));
    }
}

// A 24-bit 2 x 2 file; rows padded to 8 bytes, stored bottom row first.
std::vector<unsigned char> TwoByTwo(int32_t height) {
    std::vector<unsigned char> b(54 + 16, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, 2);
    Put32(b, 22, static_cast<uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    const unsigned char rows[16] = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0, // file row 0
                                    0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A, 0, 0};
    std::copy(rows, rows + 16, b.begin() + 54);
    return b;
}
} // namespace

TEST(BmpReader, ReadsTheFrogAndSmallFilesInBothRowOrders) {
    const unsigned char *frog = FROG_BMP;
    RgbImage image;
    ASSERT_TRUE(ReadBmp(frog, FROG_BMP_SIZE, image));
    EXPECT_EQ(image.width, 188);
    EXPECT_EQ(image.height, 149);
    ASSERT_EQ(image.pixels.size(), 188u * 149u);
    // The bottom-left pixel is the first byte of the bits, an index into the palette.
    const unsigned char index = frog[1078];
    const unsigned char *entry = &frog[54 + 4 * index];
    EXPECT_EQ(image.pixels[148 * 188],
              static_cast<uint32_t>(entry[2] << 16 | entry[1] << 8 | entry[0]));

    std::vector<unsigned char> file = TwoByTwo(2);
    ASSERT_TRUE(ReadBmp(file.data(), file.size(), image));
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0x070809, 0x0A0B0C, 0x010203, 0x040506}));
    file = TwoByTwo(-2);
    ASSERT_TRUE(ReadBmp(file.data(), file.size(), image));
    EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0x010203, 0x040506, 0x070809, 0x0A0B0C}));
}

TEST(BmpReader, RefusesWhatItCannotReadSafely) {
    const std::vector<unsigned char> good = TwoByTwo(2);
    RgbImage image;
    EXPECT_FALSE(ReadBmp(good.data(), good.size() - 1, image)); // bits cut short
    EXPECT_FALSE(ReadBmp(good.data(), 20, image));
    std::vector<unsigned char> bad = good;
    bad[30] = 1; // RLE
    EXPECT_FALSE(ReadBmp(bad.data(), bad.size(), image));
    bad = good;
    bad[28] = 4; // 4 bits a pixel
    EXPECT_FALSE(ReadBmp(bad.data(), bad.size(), image));
    bad = good;
    Put32(bad, 10, 0xFFFFFFF0u); // bits beyond the file
    EXPECT_FALSE(ReadBmp(bad.data(), bad.size(), image));
    bad = good;
    Put32(bad, 22, 0x80000000u); // the most negative height
    EXPECT_FALSE(ReadBmp(bad.data(), bad.size(), image));
}
