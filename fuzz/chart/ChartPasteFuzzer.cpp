// Any fragment pasted at any offset into a chart leaves the chart sound, and
// one undo gives back the text from before the paste, byte for byte.
#include "chart/R8EditSFCDoc.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace
{

const char kChart[] = "#info=SFCCHART\r\n@I1:0,0=1;Init\r\n@T2:1,0=2;\r\n@S3:2,0=3;\r\n"
                      "@T4:3,0=4;\r\n@J5:4,0=1;\r\n@N6:0,2=5;A note\r\n#endinfo\r\n"
                      "_step _init GS1;\r\n_next GT2;\r\n_trans GT2;\r\n#sfc=GT2(0,1)\r\n"
                      "bStart\r\n#sfc=end\r\n_next GS3;\r\n_step GS3;\r\n#sfc=GS3(0,2)\r\n"
                      "\r\n__BEGIN_P1\r\nx := GS1.T > t#2s;\r\n__END_ACTION\r\n#sfc=end\r\n"
                      "_next GT4;\r\n_trans GT4;\r\n#sfc=GT4(0,3)\r\nGS3.X\r\n#sfc=end\r\n"
                      "_next GS1;\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes are the offset, the rest the fragment.
    const int dx = static_cast<std::int8_t>(data[0]);
    const int dy = static_cast<std::int8_t>(data[1]);
    const std::string_view fragment(reinterpret_cast<const char*>(data + 2), size - 2);

    CR8EditSFCDoc doc;
    doc.LoadFromText(kChart);
    std::string before;
    doc.SaveToString(nullptr, before);

    doc.PasteFragment(fragment, dx, dy, CR8EditSFCDocData::ScanExtent(fragment));
    std::string pasted;
    doc.SaveToString(nullptr, pasted);

    doc.UndoRedoStep(true);
    std::string after;
    doc.SaveToString(nullptr, after);
    if (after != before)
        std::abort();
    return 0;
}
