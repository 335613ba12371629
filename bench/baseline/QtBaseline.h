#pragma once
// The raw-Qt floor the designer benchmarks compare against: the same form made of plain Qt
// widgets, wrapped the cheapest way Qt allows. The interface is toolkit-free, so that the
// benchmarks themselves stay on the framework's side.

#include <cstddef>
#include <string>
#include <vector>

#include "bench/FormPlan.h"

namespace QtBaseline {

/// The plan's form as plain Qt widgets, shown; freed by Free.
struct Form;
Form* Build(const std::vector<FormPlan::Node>& plan);
void Free(Form* form);

/// Wraps every widget, parents first, in a masked overlay four pixels larger on each side
/// (the widget moved into it), then takes each out again and frees the overlay. Returns the
/// processor seconds of both together; the events in between are handled untimed.
double WrapAndUnwrap(Form* form);
/// Heap bytes per overlay that wrapping every widget costs, the overlays kept until measured.
double WrapBytesPerWidget(Form* form);

/// A masked overlay around one edit, moved by a pixel and repainted `steps` times; returns
/// the processor seconds of every step, in order.
std::vector<double> DragSteps(Form* form, int steps);

/// Whether Qt's .ui loader was built in; without it the load comparison has no floor.
bool HasUiLoader();
/// The plan as a Qt Designer .ui document.
std::string UiDocument(const std::vector<FormPlan::Node>& plan);
/// Processor seconds of loading the document into widgets (freeing them not counted).
double LoadUi(const std::string& document);
/// Processor seconds of making the plan's widgets directly, with their names, texts and
/// places, not shown (freeing them not counted): the part of any load that makes windows.
double MakeWidgets(const std::vector<FormPlan::Node>& plan);

} // namespace QtBaseline
