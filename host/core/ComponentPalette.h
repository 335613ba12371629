#pragma once
// The component palette: the pages of component classes that packages register for a host's
// tool palette, in the order they were registered.

#include <initializer_list>
#include <string>
#include <vector>

#include "host/core/Object.h"

/// Puts Classes on the palette page Page (made when new), after what the page holds; a class
/// already on a page stays where it is. The classes are registered for streaming as well.
void RegisterComponents(const std::string& Page, std::initializer_list<TClass> Classes);
/// Takes Classes off the palette (and out of the class registry); a page left empty goes.
void UnRegisterComponents(std::initializer_list<TClass> Classes);
/// The palette's pages in the order of their first registration.
std::vector<std::string> GetPalettePages();
/// The classes of Page in registration order; empty for an unknown page.
std::vector<TClass> GetPaletteClasses(const std::string& Page);
