// Gives the precompiled-header targets a source of their own to compile.
