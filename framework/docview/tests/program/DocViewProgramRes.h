// Resource ids of the single-document test program.
#pragma once

#define IDR_PROGRAM_DOC 128
