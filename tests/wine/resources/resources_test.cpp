// The resource section of the built sinuet.scr, read from the file: the dialog template
// byte for byte, the pictures' and the icon's formats, the saver's name and the language.
#include "expected_template.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const WORD GERMAN = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

class SaverResources : public ::testing::Test {
  protected:
    static HMODULE module;
    static void SetUpTestSuite() {
        module = LoadLibraryExA(SaverPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() { FreeLibrary(module); }
    void SetUp() override { ASSERT_NE(module, nullptr) << "cannot read " << SaverPath(); }

    // The German resource's bytes; empty when there is none.
    static std::string Bytes(LPCSTR type, LPCSTR name) {
        HRSRC found = FindResourceExA(module, type, name, GERMAN);
        if (!found)
            return std::string();
        HGLOBAL loaded = LoadResource(module, found);
        return std::string(static_cast<const char *>(LockResource(loaded)),
                           SizeofResource(module, found));
    }
};
HMODULE SaverResources::module = nullptr;

std::string Name(LPCSTR name) {
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name))
                                : std::string(name);
}

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR context) {
    reinterpret_cast<std::set<std::string> *>(context)->insert(Name(type) + "/" + Name(name) + "/" +
                                                               std::to_string(language));
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR context) {
    EnumResourceLanguagesA(module, type, name, AddLanguage, context);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR context) {
    EnumResourceNamesA(module, type, AddName, context);
    return TRUE;
}

TEST_F(SaverResources, AreExactlyTheProgramsOwnAllInGerman) {
    std::set<std::string> found;
    EnumResourceTypesA(module, AddType, reinterpret_cast<LONG_PTR>(&found));
    const std::set<std::string> expected = {
        "2/107/1031",  "2/112/1031", "2/IDB_FROG/1031", // bitmaps
        "3/1/1031",                                     // the icon's image
        "5/2003/1031",                                  // the dialog
        "6/63/1031",                                    // strings 1008..1023, 1007 among them
        "14/100/1031",                                  // the icon group
    };
    EXPECT_EQ(found, expected);
}

TEST_F(SaverResources, DialogTemplateIsByteForByteTheExpectedOne) {
    const std::string actual = Bytes(RT_DIALOG, MAKEINTRESOURCEA(2003));
    const std::string expected = ExpectedConfigTemplate();
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(static_cast<unsigned char>(actual[i]), static_cast<unsigned char>(expected[i]))
            << "first difference at byte " << i;
}

// An 8-bit picture with a full 256-colour palette, uncompressed, of the given size.
void ExpectPicture(const std::string &bytes, LONG width, LONG height) {
    ASSERT_GE(bytes.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, bytes.data(), sizeof header);
    EXPECT_EQ(header.biSize, sizeof header);
    EXPECT_EQ(header.biWidth, width);
    EXPECT_EQ(header.biHeight, height);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_TRUE(header.biClrUsed == 256 || header.biClrUsed == 0) << header.biClrUsed;
    const size_t stride = (static_cast<size_t>(width) + 3) & ~static_cast<size_t>(3);
    EXPECT_EQ(bytes.size(), sizeof header + 256 * sizeof(RGBQUAD) + stride * height);
}

// The palette colour of a pixel, counting rows from the top.
COLORREF PixelAt(const std::string &bytes, LONG x, LONG yFromTop) {
    BITMAPINFOHEADER header;
    memcpy(&header, bytes.data(), sizeof header);
    const size_t stride = (static_cast<size_t>(header.biWidth) + 3) & ~static_cast<size_t>(3);
    const size_t bits = sizeof header + 256 * sizeof(RGBQUAD);
    const unsigned char index =
        bytes[bits + stride * (header.biHeight - 1 - yFromTop) + static_cast<size_t>(x)];
    RGBQUAD colour;
    memcpy(&colour, bytes.data() + sizeof header + index * sizeof colour, sizeof colour);
    return RGB(colour.rgbRed, colour.rgbGreen, colour.rgbBlue);
}

TEST_F(SaverResources, PicturesHaveTheirSizesAndFormat) {
    ExpectPicture(Bytes(RT_BITMAP, MAKEINTRESOURCEA(107)), 300, 120);
    ExpectPicture(Bytes(RT_BITMAP, MAKEINTRESOURCEA(112)), 300, 45);
    const std::string frog = Bytes(RT_BITMAP, "IDB_FROG");
    ExpectPicture(frog, 188, 149);
    // The frog sits on the black screen: its corners are black.
    ASSERT_FALSE(HasFailure());
    for (POINT corner : {POINT{0, 0}, POINT{187, 0}, POINT{0, 148}, POINT{187, 148}})
        EXPECT_EQ(PixelAt(frog, corner.x, corner.y), RGB(0, 0, 0));
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entry;
};
#pragma pack(pop)

TEST_F(SaverResources, IconGroupHoldsOne32x32SixteenColourImage) {
    const std::string group = Bytes(RT_GROUP_ICON, MAKEINTRESOURCEA(100));
    ASSERT_EQ(group.size(), sizeof(GroupIcon));
    GroupIcon icon;
    memcpy(&icon, group.data(), sizeof icon);
    EXPECT_EQ(icon.type, 1);
    EXPECT_EQ(icon.count, 1);
    EXPECT_EQ(icon.entry.width, 32);
    EXPECT_EQ(icon.entry.height, 32);
    EXPECT_EQ(icon.entry.colorCount, 16);
    EXPECT_EQ(icon.entry.planes, 1);
    EXPECT_EQ(icon.entry.bitCount, 4);
    EXPECT_EQ(icon.entry.id, 1);

    const std::string image = Bytes(RT_ICON, MAKEINTRESOURCEA(1));
    EXPECT_EQ(image.size(), icon.entry.bytesInRes);
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    memcpy(&header, image.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 64); // colour bits and mask
    EXPECT_EQ(header.biBitCount, 4);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    // Header, 16 palette entries, 4-bit colour rows and the 1-bit mask.
    EXPECT_EQ(image.size(), sizeof header + 16 * sizeof(RGBQUAD) + 32 * 16 + 32 * 4);
}

TEST_F(SaverResources, StringTableNamesTheSaver) {
    // Strings are stored in blocks of 16; 1007 is the last of block 63 (1008 / 16).
    const std::string block = Bytes(RT_STRING, MAKEINTRESOURCEA(1007 / 16 + 1));
    ASSERT_FALSE(block.empty());
    const WCHAR *entry = reinterpret_cast<const WCHAR *>(block.data());
    const WCHAR *end = entry + block.size() / sizeof(WCHAR);
    std::wstring strings[16];
    for (int i = 0; i < 16 && entry < end; ++i) {
        strings[i].assign(entry + 1, *entry);
        entry += 1 + *entry;
    }
    EXPECT_EQ(strings[1007 % 16], L"Sinuet");
    for (int i = 0; i < 15; ++i)
        EXPECT_TRUE(strings[i].empty()) << "string " << (1007 / 16 * 16 + i);
}

} // namespace
