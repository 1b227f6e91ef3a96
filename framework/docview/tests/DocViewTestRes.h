// Resource ids of the document and view tests.
#pragma once

#define IDR_TEST_DOC 128
#define IDR_PLAIN_FRAME 129

// Handled by the view, the document, the frame and the application, each by fewer of them.
#define ID_ROUTE_VIEW 40001
#define ID_ROUTE_DOC 40002
#define ID_ROUTE_FRAME 40003
#define ID_ROUTE_APP 40004
#define ID_ROUTE_NONE 40005

// Commands whose update handlers the tests drive.
#define ID_TEST_GO 40010
#define ID_TEST_ENABLE 40011
#define ID_TEST_CHECK 40012
#define ID_TEST_RADIO 40013
#define ID_TEST_TEXT 40014
#define ID_TEST_NOHANDLER 40015
#define ID_TEST_DISABLED 40016
#define ID_TEST_NOPROMPT 40017
