#pragma once

#define IDB_TEST_STRIP 201
