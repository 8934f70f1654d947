#include "SessionFile.h"

#include <windows.h>

#include <cstdio>
#include <tinyxml/tinyxml.h>

namespace {

const char kRoot[] = "Tarnwick";
const char kSession[] = "session";
const char kFile[] = "file";
const char kMark[] = "Mark";

// Paths keep their own blanks: the reader does not condense white space, and
// trims only what an indented file puts around the text.
std::string Trimmed(const char* text) {
    std::string value = text ? text : "";
    size_t first = value.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    size_t last = value.find_last_not_of(" \t\r\n");
    return value.substr(first, last - first + 1);
}

int IntAttribute(const TiXmlElement* element, const char* name, bool* present) {
    int value = 0;
    if (element->QueryIntAttribute(name, &value) == TIXML_SUCCESS) {
        *present = true;
        return value;
    }
    return 0;
}

}  // namespace

std::string SessionToXml(const Session& session) {
    TiXmlDocument document;
    auto* root = new TiXmlElement(kRoot);
    document.LinkEndChild(root);
    auto* sessionElement = new TiXmlElement(kSession);
    root->LinkEndChild(sessionElement);
    sessionElement->SetAttribute("index", session.index);
    for (const SessionEntry& entry : session.files) {
        auto* file = new TiXmlElement(kFile);
        sessionElement->LinkEndChild(file);
        if (entry.hasViewState) {
            file->SetAttribute("firstVisibleLine", entry.firstVisibleLine);
            file->SetAttribute("xOffset", entry.xOffset);
            file->SetAttribute("startPos", entry.startPos);
            file->SetAttribute("endPos", entry.endPos);
        }
        file->LinkEndChild(new TiXmlText(entry.path));
        for (int line : entry.marks) {
            auto* mark = new TiXmlElement(kMark);
            mark->SetAttribute("line", line);
            file->LinkEndChild(mark);
        }
    }
    // Printed without indentation: an indented text node would carry the
    // layout's blanks into the path.
    TiXmlPrinter printer;
    printer.SetStreamPrinting();
    document.Accept(&printer);
    return printer.CStr();
}

bool WriteSessionFile(const std::string& path, const Session& session) {
    std::string text = SessionToXml(session);
    std::string temporary = path + ".new";
    FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) return false;
    bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    written = (std::fclose(out) == 0) && written;
    if (!written || !::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

bool ReadSessionFile(const std::string& path, Session& session) {
    session = Session{};
    TiXmlBase::SetCondenseWhiteSpace(false);
    TiXmlDocument document;
    if (!document.LoadFile(path.c_str(), TIXML_ENCODING_LEGACY)) return false;
    const TiXmlElement* root = document.FirstChildElement(kRoot);
    const TiXmlElement* sessionElement = root ? root->FirstChildElement(kSession) : nullptr;
    if (!sessionElement) return false;
    if (sessionElement->QueryIntAttribute("index", &session.index) != TIXML_SUCCESS) session.index = -1;
    for (const TiXmlElement* file = sessionElement->FirstChildElement(kFile); file;
         file = file->NextSiblingElement(kFile)) {
        SessionEntry entry;
        const TiXmlNode* first = file->FirstChild();
        if (first && first->ToText()) entry.path = Trimmed(first->Value());
        entry.firstVisibleLine = IntAttribute(file, "firstVisibleLine", &entry.hasViewState);
        entry.xOffset = IntAttribute(file, "xOffset", &entry.hasViewState);
        entry.startPos = IntAttribute(file, "startPos", &entry.hasViewState);
        entry.endPos = IntAttribute(file, "endPos", &entry.hasViewState);
        for (const TiXmlElement* mark = file->FirstChildElement(kMark); mark; mark = mark->NextSiblingElement(kMark)) {
            int line = 0;
            if (mark->QueryIntAttribute("line", &line) == TIXML_SUCCESS) entry.marks.push_back(line);
        }
        session.files.push_back(std::move(entry));
    }
    return true;
}
