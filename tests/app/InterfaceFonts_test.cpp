// The fonts the windows are drawn in are the system's own, not stand-ins: without them the
// windows measure differently (a 20-pixel folder field) and the title-bar boxes show letters.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/Cp1251.h"
#include "framework/Font.h"
#include "framework/Gdi.h"

namespace {

TEST(InterfaceFonts, EachResolvesToItselfAtItsHeight)
{
    const struct {
        const char* face;
        int height;  // the cell height of 11-pixel characters, 0: not checked
    } fonts[] = {
        {"MS Sans Serif", 13},  // the windows' font, as the window framework asks for it
        {"Marlett", 0},         // the title bar's minimise, maximise and close boxes
        {"Tahoma", 13},         // captions and the platform's dialogs
    };
    fw::MemoryDC dc;
    for (const auto& f : fonts) {
        SCOPED_TRACE(f.face);
        fw::Font font;
        font.SetName(f.face);
        fw::SelectGuard select(dc.Get(), font.Handle());
        wchar_t face[LF_FACESIZE] = {};
        GetTextFaceW(dc.Get(), LF_FACESIZE, face);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc.Get(), &metrics);
        const std::string resolved = fw::Narrow(face);
        std::printf("%s -11: %s, height %ld, charset %d\n", f.face, resolved.c_str(), metrics.tmHeight,
                    metrics.tmCharSet);
        if (resolved != f.face) {
            ADD_FAILURE() << f.face << " resolves to " << resolved << ": run scripts/install-deps.sh";
            continue;
        }
        if (f.height) {
            EXPECT_EQ(metrics.tmHeight, f.height);
        }
    }
}

}  // namespace
