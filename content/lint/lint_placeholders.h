#pragma once

class CLintReport;

// Index 0 of a library means "none" wherever an index is stored, and index
// 0 is only the first name in sort order: each such library must hold its
// "!" placeholder there, directly in its folder, or its first real item
// would never be drawn, played or used.
void LintPlaceholders(CLintReport& report);
