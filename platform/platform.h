// The platform services the windows use, handed down from main() (or from a test).
#pragma once

#include "platform/dialogs.h"
#include "platform/documents.h"
#include "platform/message_boxes.h"
#include "platform/tone.h"

namespace ovrelan {

struct Platform {
    MessageBoxes& boxes;
    Tone& tone;
    Documents& documents;
    Dialogs& dialogs;
};

} // namespace ovrelan
