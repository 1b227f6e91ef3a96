// The road of a typical request: a macro creates "Vantrix.Encoder" and calls InsertBarcode;
// the real barcode dialog opens from the real TolvekDravel.dll; a script works the dialog.
#include "DialogConstants.h"
#include "DialogScript.h"
#include "EncoderClient.h"
#include "Files.h"
#include "Resource.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <thread>

namespace {

// The point-size combo's entry "10.5".
const int kPointSize10_5 = 7;

class RoadOfATypicalRequest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        // The dialog module beside this program is the one InsertBarcode finds first; its
        // settings file starts absent, so the dialog opens with the defaults.
        DeleteFileA(ProgramFile(Dravel::kSettingsFileName).c_str());
        ASSERT_EQ(RegisterServer(ProgramFile("Vantrix.dll").c_str()), S_OK);
        ASSERT_EQ(client.Create(), S_OK);
    }
    void TearDown() override
    {
        DeleteFileA(ProgramFile(Dravel::kSettingsFileName).c_str());
        CoUninitialize();
    }

    // Runs the script on its own thread while this thread sits in InsertBarcode.
    template <class Script>
    InsertBarcodeResult InsertWith(Script script, long colourIn = 0)
    {
        bool scripted = false;
        std::thread driver([&] {
            DialogScript dialog;
            if (!dialog.WaitForDialog())
                return;
            scripted = script(dialog);
            // Whatever happened, the dialog must not stay open.
            if (!dialog.WaitForEnd(10000))
                dialog.CloseBox();
        });
        InsertBarcodeResult result = client.InsertBarcode(colourIn);
        driver.join();
        EXPECT_TRUE(scripted);
        return result;
    }

    EncoderClient client;
};

TEST_F(RoadOfATypicalRequest, InsertReturnsTheEncodedTextFaceSizeAndColour)
{
    const InsertBarcodeResult result = InsertWith([](DialogScript& dialog) {
        // Defaults: Full ASCII, check character and human-readable text on, "(" ")", M, 12.
        dialog.Type("Ab1<x>");  // "<" and ">" are swallowed in Full ASCII mode
        if (!dialog.WaitForText(IDC_DATA_EDIT, "Ab1x"))
            return false;
        dialog.Click(IDC_HUMAN_READABLE);
        dialog.Click(IDC_START_STOP_FIRST);
        dialog.SelectComboEntry(IDC_POINT_SIZE, kPointSize10_5);
        dialog.Click(IDC_ENCODE_COPY);
        dialog.Click(IDC_INSERT_BARCODE);
        return dialog.WaitForEnd();
    });
    EXPECT_EQ(result.hr, S_OK);
    // A=10, +=41, B=11, 1=1, +=41, X=33: 137 mod 43 = 8.
    EXPECT_EQ(result.encoded, "*A+B1+X8*");
    EXPECT_EQ(result.font, "TolvekVantrixM");
    EXPECT_EQ(result.size, 10);
    EXPECT_EQ(result.colour, 0);
}

TEST_F(RoadOfATypicalRequest, CloseBoxReturnsEmptyStringsAndSizeMinusOne)
{
    const InsertBarcodeResult result = InsertWith(
        [](DialogScript& dialog) {
            dialog.Type("closed");
            dialog.Click(IDC_ENCODE_COPY);
            dialog.CloseBox();
            return dialog.WaitForEnd();
        },
        0x00123456);
    EXPECT_EQ(result.hr, S_OK);
    EXPECT_TRUE(result.encoded.empty());
    EXPECT_TRUE(result.font.empty());
    EXPECT_EQ(result.size, -1);
    EXPECT_EQ(result.colour, 0x00123456);
    // The close wrote the options beside the dialog module.
    EXPECT_TRUE(FileExists(ProgramFile(Dravel::kSettingsFileName)));
}

}  // namespace
