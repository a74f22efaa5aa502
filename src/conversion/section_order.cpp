#include "conversion/section_order.h"

#include "site/site_sections.h"
#include "testrecords/test_sections.h"
#include "titles/title_outputs.h"

namespace bc {
namespace {

using Files = std::u16string_view;

constexpr Files kHeaderFiles[] = {u"CNT.TXT", u"TITL01.TXT", u"TITL02.TXT"};
constexpr Files kSoilLayerFiles[] = {u"X1.TXT"};
constexpr Files kLayerDetailFiles[] = {u"X3.TXT",  u"R31.TXT", u"R32.TXT",
                                       u"R33.TXT", u"R34.TXT", u"R35.TXT"};
constexpr Files kLayerTextFiles[] = {u"X12.TXT"};
constexpr Files kMergedDepthFiles[] = {u"R41.TXT"};
constexpr Files kDatedDepthFiles[] = {u"N9.TXT"};
constexpr Files kIntervalFiles[] = {u"X7.TXT"};
constexpr Files kSampleFiles[] = {u"X6.TXT"};
constexpr Files kNamePairFiles[] = {u"R30.TXT"};
constexpr Files kBlowCountFiles[] = {u"X5.TXT"};
constexpr Files kLugeonFiles[] = {u"PCNT.TXT", u"LUGON_*"};
constexpr Files kCode5000Files[] = {u"N8.TXT", u"G71.TXT", u"G73.TXT", u"G81.TXT", u"G82.TXT"};
constexpr Files kCodedNameFiles[] = {u"R72.TXT"};

bool Below3000(double code) { return code < 3000; }
bool From3050To3060(double code) { return code >= 3050 && code <= 3060; }
bool Below4000(double code) { return code < 4000; }
bool Below5000(double code) { return code < 5000; }

// Sections that need nothing from the others.
template <Flow (*run)(RunContext&)>
Flow Plain(RunContext& ctx, SectionState&) {
  return run(ctx);
}

Flow Header(RunContext& ctx, SectionState& state) {
  return RunHeaderSection(ctx, state.destination, state.deepest);
}
Flow LayerDetails(RunContext& ctx, SectionState& state) {
  return RunLayerDetailSection(ctx, state.layers);
}
Flow LayerTexts(RunContext& ctx, SectionState& state) {
  return RunLayerTextSection(ctx, state.layers);
}

constexpr Section kSections[] = {
    {u"1000-1999 header", 1000, kHeaderFiles, Header, nullptr},
    {u"2000 soil layers", 2000, kSoilLayerFiles, Plain<RunSoilLayerSection>, nullptr},
    {u"2001 layer details", 2001, kLayerDetailFiles, LayerDetails, nullptr},
    {u"2002 layer texts", 2002, kLayerTextFiles, LayerTexts, Below3000},
    {u"3000, 3010 test depths", 3000, kMergedDepthFiles, Plain<RunMergedDepthSections>, nullptr},
    {u"3020 dated depths", 3020, kDatedDepthFiles, Plain<RunDatedDepthSection>, nullptr},
    {u"3030 intervals", 3030, kIntervalFiles, Plain<RunIntervalSection>, nullptr},
    {u"3040 samples", 3040, kSampleFiles, Plain<RunSampleSection>, From3050To3060},
    {u"3070 name pairs", 3070, kNamePairFiles, Plain<RunNamePairSection>, Below4000},
    {u"4000 blow counts", 4000, kBlowCountFiles, Plain<RunBlowCountSection>, nullptr},
    {u"4010, 4011 Lugeon tests", 4010, kLugeonFiles, Plain<RunLugeonSections>, Below5000},
    {u"5000 readings", 5000, kCode5000Files, Plain<RunCode5000Section>, nullptr},
    {u"5010 coded names", 5010, kCodedNameFiles, Plain<RunCodedNameSection>, nullptr},
};

}  // namespace

std::span<const Section> SectionOrder() { return kSections; }

void RunSections(RunContext& ctx, SectionState& state) {
  if (!ctx.AtEnd()) ctx.Next();  // the tag line
  for (const Section& section : SectionOrder()) {
    if (section.run(ctx, state) == Flow::kEnd) return;
    if (section.pass_over != nullptr && ctx.SkipWhile(section.pass_over) == Flow::kEnd) return;
  }
}

}  // namespace bc
