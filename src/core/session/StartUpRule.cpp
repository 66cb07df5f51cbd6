#include "core/session/StartUpRule.h"

StartUpAction StartUpActionFor(int showWelcome, bool openLast, bool lastJournalExists) {
    if (openLast)
        return lastJournalExists ? StartUpAction::OpenLast : StartUpAction::Welcome;
    return showWelcome == 1 ? StartUpAction::Welcome : StartUpAction::Nothing;
}
