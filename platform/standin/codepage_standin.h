#pragma once
// What only the stand-in code page offers: choosing the ANSI code page that
// the stand-in plays, as a Windows system setting would. It starts as the
// process locale suggests, the way Wine derives its code page: a Japanese
// locale (LC_ALL, LC_CTYPE or LANG beginning "ja") gives 932, anything else
// 1252.

// Switches to `codePage` (1252 or 932); false, changing nothing, for others.
bool standinSetAnsiCodePage(unsigned codePage);
