// The command groups that are not part of the program yet: each recognises no
// header until its own source takes its place.

#include "externalcommunicationhandler.h"

bool TExternalCommunicationHandler::processCommand_Logger(const TSCPICommand&)
{
    return false;
}
