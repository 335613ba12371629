#pragma once
// What a layout load reports of the saved changes that the form no longer takes.

#include <string>
#include <vector>

/// One saved change that was skipped: the component it was for, the property (empty when all
/// the component's changes went, or the component itself), and why, in words for the user.
struct TLayoutSkip {
    std::string Component;
    std::string Property;
    std::string Message;
};
using TLayoutSkips = std::vector<TLayoutSkip>;
