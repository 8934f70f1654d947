#include "SearchDefaults.h"

#include "PathParts.h"

std::string DefaultFileTypes(const std::string& documentPath) {
    return "*" + GetPathPart(documentPath.c_str(), PathPart::Extension);
}

std::string DefaultFolder(const std::string& documentPath) {
    return GetPathPart(documentPath.c_str(), PathPart::Folder);
}
