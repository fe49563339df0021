// Name records, Hebrew names included: a received record decodes to a name that goes out as a
// record decoding to the same name and address; a name of the program's text goes out in the
// panel's 7-bit code and comes back in one round to a name that is then stable.
#include "FuzzSetup.h"
#include "panellink/NameBlock.h"
#include "platform/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Prepare(nullptr, 0);
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));

    // From the panel: the first 18 bytes as a record.
    if (const auto first = DecodeNameRecord(bytes.left(NameRecordBytes))) {
        fuzz::Require(first->name.size() == 16);
        const QByteArray out = EncodeNameRecord(first->address, first->name);
        const auto second = DecodeNameRecord(out);
        fuzz::Require(second && second->address == first->address && second->name == first->name);
    }

    // From the program: the bytes as Windows-1255 text (Hebrew letters are 224..250), the
    // first 16 characters as a device name holds them.
    const QString name = TextCodec::FromCp1255(bytes).left(16);
    const QByteArray out = EncodeNameRecord(7, name);
    fuzz::Require(out.size() == NameRecordBytes && out[0] == 7 && out[1] == ' ');
    for (int i = 2; i < out.size(); ++i) fuzz::Require(uint8_t(out[i]) < 128);
    const auto back = DecodeNameRecord(out);
    fuzz::Require(back && back->address == 7 && back->name.size() == 16);
    fuzz::Require(EncodeNameRecord(7, back->name) == out);
    // Letters the panel keeps come back where they stood.
    for (int i = 0; i < name.size(); ++i) {
        const int c = TextCodec::CodeOf(name[i]);
        if ((c >= 'A' && c <= 'Z') || (c >= 224 && c <= 250)) fuzz::Require(back->name[i] == name[i]);
    }
    return 0;
}
