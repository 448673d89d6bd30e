// Configuring what GetSystemMetrics answers.
#pragma once

namespace host {

// Overrides one metric (SM_ index) until ResetSystemMetrics or
// ResetDesktop; the screen sizes too, which otherwise follow the monitors.
void SetSystemMetric(int index, int value);
void ResetSystemMetrics();

}  // namespace host
