// The field reader on any bytes: it ends, every call takes at least one byte,
// and no field holds what ends a field.
#include "common/text/field_reader.h"
#include "fuzz/fuzz_check.h"

using tervok::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = tervok::fuzz::bytesOf(data, size);
    tervok::FieldReader reader(bytes);
    std::size_t fields = 0;
    std::size_t fieldBytes = 0;
    while (!reader.atEnd()) {
        const std::optional<std::string> field = reader.next();
        check(field.has_value(), "a field is read while bytes are left");
        check(++fields <= size, "every field consumes at least one byte");
        fieldBytes += field->size();
        // A quoted field ends at its second quote, a plain one at a separator.
        const bool hasQuote = field->find('"') != std::string::npos;
        const bool hasSeparator = field->find_first_of(",\r\n") != std::string::npos;
        check(!(hasQuote && hasSeparator), "no field holds both a quote and a separator");
    }
    check(fieldBytes <= size, "fields hold no more bytes than the input");
    check(!reader.next().has_value(), "nothing is read past the end");
    return 0;
}
