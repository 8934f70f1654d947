#pragma once
// Asking the update server whether a newer package exists: the machine
// texts sent with the question, the HTTP request, and the decision that
// opens the update dialog.
#include <string>

#include "UpdaterContext.h"

namespace vantrel {

// The hardware address text of the machine's first qualifying adapter.
std::string ReadAdapterAddress();
// The processor identification text (leaf 0).
std::string ReadProcessorId();

enum class FetchResult { kReply, kOffline, kFailed, kStatus };

// GETs path from host on port 80 and answers at most 512 bytes of a reply
// whose status is 200. kOffline when the connection test fails, kStatus
// (detail the status) for any other status, kFailed (detail the system's
// error code) for every other failure.
FetchResult FetchReply(const std::string& host, const std::string& path, std::string& reply, unsigned long& detail);

// The whole query against host: shows the boxes of its failures and, for a
// newer package, the update dialog.
void QueryLatestVersion(UpdaterContext& context, const std::string& host);

}  // namespace vantrel
