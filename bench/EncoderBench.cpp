#include "EncoderBench.h"

#include "BatchTimer.h"
#include "BenchConstants.h"
#include "EncoderClient.h"
#include "Files.h"
#include "MacroMethod.h"
#include "ReferenceFullAscii.h"
#include "ResultTable.h"
#include "SampleText.h"
#include "VantrixEncoding.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {
const int kDispatchLengths[] = {10, 100, 1000};
constexpr int kInProcessLength = 1000;

// The encoder registered from the copy beside this program for as long as this object lives.
class CRegisteredEncoder {
public:
    CRegisteredEncoder() : m_path(ProgramFile(Bench::kEncoderModule))
    {
        m_registered = SUCCEEDED(RegisterServer(m_path.c_str()));
    }
    ~CRegisteredEncoder()
    {
        if (m_registered)
            UnregisterServer(m_path.c_str());
    }
    CRegisteredEncoder(const CRegisteredEncoder&) = delete;
    CRegisteredEncoder& operator=(const CRegisteredEncoder&) = delete;

    bool IsRegistered() const { return m_registered; }

private:
    std::string m_path;
    bool m_registered = false;
};

BSTR ToBstr(const std::string& text)
{
    std::wstring wide(text.begin(), text.end());
    return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

std::string ClassLabel(const SampleTextClass& textClass, const std::string& text)
{
    return std::string(textClass.name) + ", " + std::to_string(text.size()) + " chars";
}

void RunDispatchLength(CResultTable& table, const CMacroMethod& empty, const CMacroMethod& vantrixExt, int length)
{
    const std::vector<SampleTextClass>& classes = CSampleText::Classes();
    BSTR emptyData = SysAllocString(L"");
    std::vector<BSTR> inputs;
    std::vector<std::string> labels;
    for (const SampleTextClass& textClass : classes) {
        const std::string text = CSampleText::Make(textClass, length);
        inputs.push_back(ToBstr(text));
        labels.push_back(ClassLabel(textClass, text));
    }

    auto callEmpty = [&] {
        empty.Call(&emptyData);
    };
    const int emptyCount = CBatchTimer::Calibrate(callEmpty);
    std::vector<int> counts;
    for (BSTR& input : inputs)
        counts.push_back(CBatchTimer::Calibrate([&] { vantrixExt.Call(&input); }));

    std::vector<CRatioStats> stats(inputs.size());
    CRatioStats classSpread;  // dearest class against cheapest, per character
    // Round -1 is not counted: under an emulator the first calls of a batch may still be
    // translating code.
    for (int round = -1; round < Bench::kRounds; ++round) {
        const double baseline = CBatchTimer::SecondsPerRun(callEmpty, emptyCount);
        double cheapest = 0;
        double dearest = 0;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            BSTR& input = inputs[i];
            const double subject = CBatchTimer::SecondsPerRun([&] { vantrixExt.Call(&input); }, counts[i]);
            if (round < 0)
                continue;
            stats[i].Add(baseline, subject);
            // What the characters cost beyond the call itself.
            const double perChar = std::max(subject - baseline, 0.0) / SysStringLen(input);
            cheapest = i == 0 ? perChar : std::min(cheapest, perChar);
            dearest = std::max(dearest, perChar);
        }
        if (round >= 0)
            classSpread.Add(cheapest, dearest);
    }

    const std::string baselineText = "CalcCheckSum(\"\") " + CResultTable::Duration(stats[0].MedianBaseline());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const bool goalRow = length == 100 && std::string(classes[i].name) == "mixed";
        table.AddRatio("VantrixExt, " + labels[i], CResultTable::Duration(stats[i].MedianSubject()), baselineText,
                       stats[i], goalRow ? Bench::kMixedCallGoal : 0);
    }
    if (length == kDispatchLengths[2]) {
        table.AddRatio("per character beyond the call: dearest class / cheapest",
                       CResultTable::Duration(classSpread.MedianSubject()),
                       CResultTable::Duration(classSpread.MedianBaseline()), classSpread, Bench::kCharClassGoal);
    }
    for (BSTR input : inputs)
        SysFreeString(input);
    SysFreeString(emptyData);
}
}  // namespace

void CEncoderBench::RunDispatch(CResultTable& table)
{
    table.AddSection("VantrixExt through IDispatch as a macro calls it (by-reference strings, name looked up once)");
    CRegisteredEncoder registration;
    {
        EncoderClient encoder;
        if (!registration.IsRegistered() || FAILED(encoder.Create(Bench::kEncoderProgId))) {
            table.AddValue("cannot register or create Vantrix.Encoder", "skipped");
            return;
        }
        const CMacroMethod empty(encoder.Dispatch(), L"CalcCheckSum");
        const CMacroMethod vantrixExt(encoder.Dispatch(), L"VantrixExt");
        if (empty.IsValid() && vantrixExt.IsValid()) {
            for (int length : kDispatchLengths)
                RunDispatchLength(table, empty, vantrixExt, length);
        } else {
            table.AddValue("the encoder's methods are not found by name", "skipped");
        }
    }
    // The encoder is released: its module may go.
    CoFreeUnusedLibraries();
}

void CEncoderBench::RunInProcess(CResultTable& table)
{
    table.AddSection("Full ASCII conversion in process, against a table-lookup reference");
    const CReferenceFullAscii reference;
    const std::vector<SampleTextClass>& classes = CSampleText::Classes();
    std::vector<std::string> inputs;
    for (const SampleTextClass& textClass : classes)
        inputs.push_back(CSampleText::Make(textClass, kInProcessLength));

    // Both must give the same text, else the comparison means nothing.
    for (const std::string& input : inputs) {
        std::string expected;
        reference.Convert(input, expected);
        if (CVantrixEncoding::FullAscii(input) != expected)
            std::printf("warning: the reference and the encoder differ on \"%.40s...\"\n", input.c_str());
    }

    std::string form;
    std::vector<int> referenceCounts;
    std::vector<int> ownCounts;
    for (const std::string& input : inputs) {
        referenceCounts.push_back(CBatchTimer::Calibrate([&] { reference.Convert(input, form); }));
        ownCounts.push_back(CBatchTimer::Calibrate([&] { form = CVantrixEncoding::FullAscii(input); }));
    }
    std::vector<CRatioStats> stats(inputs.size());
    CRatioStats classSpread;
    for (int round = 0; round < Bench::kRounds; ++round) {
        double cheapest = 0;
        double dearest = 0;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            const std::string& input = inputs[i];
            const double baseline =
                CBatchTimer::SecondsPerRun([&] { reference.Convert(input, form); }, referenceCounts[i]);
            const double subject =
                CBatchTimer::SecondsPerRun([&] { form = CVantrixEncoding::FullAscii(input); }, ownCounts[i]);
            stats[i].Add(baseline, subject);
            const double perChar = subject / static_cast<double>(input.size());
            cheapest = i == 0 ? perChar : std::min(cheapest, perChar);
            dearest = std::max(dearest, perChar);
        }
        classSpread.Add(cheapest, dearest);
    }
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const double size = static_cast<double>(inputs[i].size());
        table.AddRatio("FullAscii, " + ClassLabel(classes[i], inputs[i]),
                       CResultTable::Format("%.1f M chars/s", size / stats[i].MedianSubject() / 1e6),
                       CResultTable::Format("%.1f M chars/s", size / stats[i].MedianBaseline() / 1e6), stats[i]);
    }
    table.AddRatio("per character: dearest class / cheapest", CResultTable::Duration(classSpread.MedianSubject()),
                   CResultTable::Duration(classSpread.MedianBaseline()), classSpread, Bench::kCharClassGoal);
}
