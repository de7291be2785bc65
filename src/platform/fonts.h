#pragma once
// Maps the Windows font names the form designs use (宋体, 黑体, 仿宋_GB2312, 楷体_GB2312)
// to the Chinese fonts installed on Debian, on screen and on paper alike.

namespace mf {
// Idempotent; only installed families are used.
void installFontSubstitutions();
} // namespace mf
