#include "tools/check/content_check.h"

#include "tools/check/check_context.h"

namespace check {

// The catalogues come first: the content files are checked against what
// they list.
CheckResult checkContent(const ContentFolder& folder)
{
    CheckContext context(folder);
    checkTileCatalogue(context);
    checkCatalogues(context);
    checkMaps(context);
    checkScripts(context);
    checkPlayers(context);
    checkShots(context);
    checkFolderListings(context);
    context.findings.sort();
    return {std::move(context.findings), context.filesChecked.size()};
}

}  // namespace check
