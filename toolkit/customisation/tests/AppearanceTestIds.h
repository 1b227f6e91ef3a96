#pragma once
// A command of the tests, with a prompt string.
#define ID_TEST_COMMAND 32990
