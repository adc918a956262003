#include "toolkit/ui/field_check.h"

#include "common/game/messages.h"
#include "common/text/field_reader.h"

namespace tervok {

bool fieldsCanBeStored(ui::Toolkit& toolkit, const std::vector<NamedField>& fields)
{
    for (const NamedField& named : fields) {
        if (splitsOrCutsField(named.field->text())) {
            toolkit.messageBox(fieldNotStorableMessage(named.name), ui::MessageButtons::Ok,
                               ui::MessageIcon::Critical);
            return false;
        }
    }
    return true;
}

}  // namespace tervok
