#include "tests/support/font_strip_files.h"

#include <fstream>

#include "engine/core/color/color.h"
#include "engine/core/files/stream.h"
#include "engine/graphics/frame.h"
#include "engine/graphics/tga_file_io.h"

namespace {

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

void WriteLogoFont(const std::string& dataFolder)
{
    const std::string fonts = dataFolder + "/Resources/Fonts/";
    WriteText(fonts + "Logo.FONT.TXT", "CFontBitmap\r\n{\r\n\tFirst ASCII=65\r\n\tLast ASCII=67\r\n}\r\n");
    WriteText(fonts + "Logo.txt", "CStandAloneFrame\r\n{\r\n\tCrop Color 0=0\r\n}\r\n");
    CFrame strip;
    strip.Create(16, 20, 32);
    const CColor marker(255, 0, 255, 255);
    const CColor ink(10, 200, 30, 255);
    strip.SetPixel(0, 2, marker);
    strip.SetPixel(0, 15, marker);
    for (int32_t x : {4, 9, 15})
        strip.SetPixel(x, 19, marker);
    for (int32_t y = 2; y < 15; y++)
    {
        strip.SetPixel(2, y, ink);
        strip.SetPixel(6, y, ink);
        strip.SetPixel(12, y, ink);
    }
    CTGAFileIO writer;
    writer.Write(strip, (fonts + "Logo.tga").c_str(), OPEN_NAME_UNCHANGED);
}

void WriteCompanyLogo(const std::string& dataFolder)
{
    CFrame logo;
    logo.Create(320, 200, 32);
    logo.Fill(CColor(0, 0, 120, 255));
    CTGAFileIO writer;
    writer.Write(logo, (dataFolder + "/Resources/CompanyLogo.tga").c_str(), OPEN_NAME_UNCHANGED);
    WriteText(dataFolder + "/Resources/CompanyLogo.txt",
              "CStandAloneFrame\r\n{\r\n\tRun Length Encode=0\r\n\tCrop Color 0=0\r\n\tDo Dither=0\r\n}\r\n");
    WriteText(dataFolder + "/Resources/CompanyLogo.FOO",
              "CFrameOverlayOptions\r\n{\r\n\tText Font=Fonts/Logo\r\n\tText Overlays=Array\r\n\t{\r\n"
              "\t\tArray Item=CFrameOverlayTextOverlay\r\n\t\t{\r\n\t\t\tText Bounds Left=20,30\r\n"
              "\t\t\tText String=ABC\r\n\t\t}\r\n\t}\r\n}\r\n");
    WriteLogoFont(dataFolder);
}
