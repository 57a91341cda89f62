// The firmware file and the boot loader's packets. Input: a HEX file. A file that
// is accepted turns into packets that unframe to bodies carrying each record's
// address and exactly its data bytes; the input read as a packet unframes, when it
// does, to a body that frames back to the same bytes.

#include "FuzzInput.h"
#include "firmware/BootPackets.h"
#include "firmware/HexFile.h"

using namespace dalto;
using namespace dalto::firmware;
using namespace dalto::fuzz;

namespace {

constexpr qsizetype DataAtInBody = 5;

void checkDataPacket(const HexRecord& record, uint16_t upper, const QString& file)
{
    const auto packet = unframePacket(BuildDataPacket(record, upper));
    FUZZ_CHECK(packet && packet->checksumMatches(), file);
    const QByteArray& body = packet->body;
    const uint32_t address = (uint32_t(upper) << 16) | record.address;
    FUZZ_CHECK(body.size() >= DataAtInBody && uint8_t(body[2]) == (address & 0xFF)
                   && uint8_t(body[3]) == ((address >> 8) & 0xFF) && uint8_t(body[4]) == ((address >> 16) & 0xFF),
               file);
    FUZZ_CHECK(body.mid(DataAtInBody, record.data.size()) == record.data, file);
    if (upper < FirstOtherMemoryUpper) {
        // Program memory takes whole blocks, the rest filled with zeros.
        const QByteArray padding = body.mid(DataAtInBody + record.data.size());
        FUZZ_CHECK((body.size() - DataAtInBody) % ProgramBlockBytes == 0 && padding.size() < ProgramBlockBytes
                       && padding.count('\0') == padding.size() && uint8_t(body[1]) * ProgramBlockBytes == body.size() - DataAtInBody,
                   file);
    } else {
        FUZZ_CHECK(body.size() == DataAtInBody + record.data.size() && uint8_t(body[1]) == record.data.size(), file);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const HexFile file = parseHexFile(bytes);
    FUZZ_CHECK(file.usable() == file.error.isEmpty(), file.error);
    if (file.usable()) {
        uint16_t upper = 0;
        for (const HexRecord& record : file.records) {
            FUZZ_CHECK(record.addressText.size() == 4 && record.addressText.toUInt(nullptr, 16) == record.address,
                       record.addressText);
            if (RecordType(record.type) == RecordType::ExtendedLinearAddress)
                upper = record.upperAddress();
            else if (RecordType(record.type) == RecordType::Data)
                checkDataPacket(record, upper, text(bytes));
        }
    }

    if (const auto packet = unframePacket(bytes); packet && packet->checksumMatches())
        FUZZ_CHECK(framePacket(packet->body) == bytes, text(bytes.toHex()));
    return 0;
}
