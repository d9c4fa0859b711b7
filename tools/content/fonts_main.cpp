// Writes the bitmap fonts into the GUI archive and their contact sheet.
#include "bitmap_fonts.h"
#include "contact_sheet.h"
#include "gif_file.h"
#include "output.h"

using namespace velmora::content;

int main(int argc, char** argv) {
    OutputFolders folders;
    if (!startGenerator(argc, argv, folders))
        return 2;
    int failures = 0;
    ContactSheet sheet("Bitmap fonts (cells 32-127; samples at 480 and at 240 pixels wide)");
    for (const BitmapFontStyle& style : bitmapFontStyles()) {
        const Picture grid = renderBitmapFont(style);
        failures += !writeGif(outputPath(folders, Place::Archive, "GUI/" + style.file), grid);
        sheet.add(style.file, grid);
        const Picture sample = sampleText(grid, style, "Birdie! Par 4 - 123.4yds +2", true);
        sheet.add("sample (upper-cased)", sample);
        sheet.add("at 240 wide", scaleNearest(sample, sample.width / 2, sample.height / 2));
        sheet.breakRow();
    }
    failures += !sheet.write(sheetPath(folders, "fonts.png"));
    return reportFailures("fonts", failures);
}
