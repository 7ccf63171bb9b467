#include "swf/EditText.h"

#include "swf/Records.h"

namespace swf {

EditText ParseEditText(ByteReader& in) {
    EditText t;
    t.Bounds = ReadRect(in);
    uint8_t a = in.U8(), b = in.U8();
    bool hasText = a & 0x80, hasColor = a & 0x04, hasMaxLength = a & 0x02;
    t.WordWrap = a & 0x40;
    t.Multiline = a & 0x20;
    t.Password = a & 0x10;
    t.HasFont = a & 0x01;
    bool hasFontClass = b & 0x80, hasLayout = b & 0x20;
    t.AutoSize = b & 0x40;
    t.Border = b & 0x08;
    t.Background = t.Border;
    t.Html = b & 0x02;
    t.UseOutlines = b & 0x01;
    if (t.HasFont)
        t.FontId = in.U16();
    if (hasFontClass)
        t.FontClass = ReadString(in);
    if (t.HasFont || hasFontClass)
        t.Height = in.U16();
    if (hasColor)
        t.Color = ReadRgba(in);
    if (hasMaxLength)
        in.U16();
    if (hasLayout) {
        t.Alignment = static_cast<Align>(std::min<uint8_t>(in.U8(), 3));
        t.LeftMargin = in.U16();
        t.RightMargin = in.U16();
        t.Indent = in.U16();
        t.Leading = static_cast<int16_t>(in.U16());
    }
    t.VariableName = ReadString(in);
    if (hasText)
        t.Text = ReadString(in);
    return t;
}

} // namespace swf
