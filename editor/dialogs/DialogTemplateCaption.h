#pragma once
// The caption of a dialog template, read from the template itself: the
// options pages take their titles from their templates.
#include <windows.h>

#include <cstddef>
#include <string>

// The caption of a template (extended or classic, with or without a menu
// or class name); empty when the template is cut short.
std::wstring DialogTemplateCaption(const void* data, size_t size);

// The caption of the dialog resource `id` in the ANSI code page, cut at a
// character so that it fits maxBytes with its NUL.
std::string DialogResourceCaption(HINSTANCE instance, int id, size_t maxBytes);
