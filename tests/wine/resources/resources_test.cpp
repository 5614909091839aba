// The resource section of the built sinuet.scr, read from the file: the dialog template
// byte for byte, the pictures' and the icon's formats, the saver's names, the version
// information, the manifest and the language.
#include "expected_template.h"
#include "wine_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

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
        "6/1/1031",                                     // strings 0..15, 1 among them
        "14/100/1031",                                  // the icon group
        "16/1/1031",                                    // the version information
        "24/1/1031",                                    // the manifest
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

// The 16 strings of the block that holds the given id; empty ones where there are none.
std::vector<std::wstring> StringBlock(const std::string &block) {
    std::vector<std::wstring> strings(16);
    const WCHAR *entry = reinterpret_cast<const WCHAR *>(block.data());
    const WCHAR *end = entry + block.size() / sizeof(WCHAR);
    for (int i = 0; i < 16 && entry < end; ++i) {
        strings[i].assign(entry + 1, *entry);
        entry += 1 + *entry;
    }
    return strings;
}

TEST_F(SaverResources, StringTableNamesTheSaver) {
    // Strings are stored in blocks of 16: block n + 1 holds ids 16n..16n+15. String 1 is the
    // name the display control panel lists; 1007, the last of block 63, the saver's own.
    for (int id : {1, 1007}) {
        const std::string block = Bytes(RT_STRING, MAKEINTRESOURCEA(id / 16 + 1));
        ASSERT_FALSE(block.empty()) << "string " << id;
        const std::vector<std::wstring> strings = StringBlock(block);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(strings[i], i == id % 16 ? L"Sinuet" : L"")
                << "string " << (id / 16 * 16 + i);
    }
}

// Version numbers and names as Explorer and Task Manager read them, through version.dll.
TEST_F(SaverResources, VersionInformationIsSinuet15InGerman) {
    const std::string path = SaverPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_NE(size, 0u);
    std::string info(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, &info[0]));

    void *value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &value, &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    const VS_FIXEDFILEINFO *fixed = static_cast<const VS_FIXEDFILEINFO *>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(5, 1))); // 1.5
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);                                 // .0.0
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(static_cast<const WORD *>(value)[0], GERMAN);
    EXPECT_EQ(static_cast<const WORD *>(value)[1], 1200); // UTF-16

    const struct {
        const char *name, *text;
    } strings[] = {
        {"FileDescription", "Sinuet"},
        {"ProductName", "Sinuet"},
        {"OriginalFilename", "sinuet.scr"},
        {"InternalName", "sinuet.scr"},
        {"FileVersion", "1.5"},
        {"ProductVersion", "1.5"},
    };
    for (const auto &expected : strings) {
        const std::string query = std::string("\\StringFileInfo\\040704B0\\") + expected.name;
        ASSERT_TRUE(VerQueryValueA(info.data(), query.c_str(), &value, &length)) << expected.name;
        EXPECT_STREQ(static_cast<const char *>(value), expected.text) << expected.name;
    }
    ASSERT_TRUE(
        VerQueryValueA(info.data(), "\\StringFileInfo\\040704B0\\LegalCopyright", &value, &length));
    EXPECT_NE(std::string(static_cast<const char *>(value)).find("MIT License"), std::string::npos);
}

// The manifest as the platform reads it: system DPI awareness, nothing per monitor, and no
// dependency (which would pull in the themed common controls).
TEST_F(SaverResources, ManifestMakesTheSaverSystemDpiAwareOnly) {
    const std::string manifest = Bytes(RT_MANIFEST, MAKEINTRESOURCEA(1));
    ASSERT_FALSE(manifest.empty());
    EXPECT_EQ(manifest.find("dependency"), std::string::npos);
    EXPECT_EQ(manifest.find("dpiAwareness"), std::string::npos);
    EXPECT_EQ(manifest.find("PerMonitor"), std::string::npos);

    const std::string path = SaverPath();
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(1);
    HANDLE context = CreateActCtxA(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << GetLastError();
    WCHAR setting[16] = {};
    SIZE_T written = 0;
    EXPECT_TRUE(QueryActCtxSettingsW(0, context, nullptr, L"dpiAware", setting, 16, &written));
    EXPECT_EQ(std::wstring(setting), L"true");
    ReleaseActCtx(context);
}

} // namespace
