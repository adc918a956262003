// The catalogue loader on any bytes, with each name column the editors use:
// at most 100 entries, and the list it fills shows "<none>" and one row per
// entry whose pick gives that entry's number.
#include "common/text/number_reader.h"
#include "fuzz/fuzz_check.h"
#include "toolkit/headless/headless_controls.h"
#include "toolkit/headless/headless_toolkit.h"
#include "toolkit/ui/catalogue_list.h"

using tervok::fuzz::check;

namespace {

void loadWithNameColumn(const std::string& bytes, int nameColumn)
{
    const std::vector<tervok::CatalogueEntry> entries = tervok::parseCatalogue(bytes, nameColumn);
    check(entries.size() <= static_cast<std::size_t>(tervok::kMaxCatalogueEntries), "at most 100 entries");

    static headless::HeadlessToolkit toolkit("fuzz");
    headless::HeadlessListBox list(toolkit, "List1", -1, {});
    tervok::NumberTable table{};
    tervok::fillCatalogueList(list, entries, table);
    check(list.count() == static_cast<int>(entries.size()) + 1 && list.item(0) == "<none>",
          "one row per entry after <none>");
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const tervok::CatalogueEntry& entry = entries[k];
        const int row = static_cast<int>(k) + 1;
        const std::string prefix = tervok::signedText(entry.number) + ": ";
        check(list.item(row) == entry.rowText && entry.rowText.compare(0, prefix.size(), prefix) == 0,
              "a row shows its entry's number and name");
        check(tervok::pickedNumber(table, row) == tervok::plainText(entry.number),
              "picking a row gives its entry's number");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = tervok::fuzz::bytesOf(data, size);
    loadWithNameColumn(bytes, tervok::kPlayerNameColumn);  // the weapon list uses the same column
    loadWithNameColumn(bytes, tervok::kParticleNameColumn);
    return 0;
}
