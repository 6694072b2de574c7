#include "platform/pasteboard_types.h"
#include "platform/qt/type_folding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nimbrel {
namespace {

const std::string text(PasteboardTypeString);
const std::string rtf(PasteboardTypeRTF);
const std::string html(PasteboardTypeHTML);
const std::string files(FilenamesPboardType);
const std::string concealed(PasteboardTypeConcealed);

struct FoldingCase {
    const char *name;
    std::vector<std::string> targets;
    std::string passwordHint;
    bool hasLocalFiles;
    std::vector<std::string> expected;
};

class TypeFoldingTest : public testing::TestWithParam<FoldingCase> {};

TEST_P(TypeFoldingTest, FoldsTargetsInOwnerOrder)
{
    const FoldingCase &row = GetParam();
    EXPECT_EQ(foldTypes(row.targets, row.passwordHint, row.hasLocalFiles), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypeFoldingTest,
    testing::Values(
        FoldingCase{"NoTargets", {}, "", false, {}},
        FoldingCase{"OnlyPseudoTargets",
                    {"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "DELETE", "INSERT_SELECTION", "INSERT_PROPERTY"},
                    "",
                    false,
                    {}},
        FoldingCase{"GtkText",
                    {"TIMESTAMP", "TARGETS", "MULTIPLE", "SAVE_TARGETS", "UTF8_STRING", "COMPOUND_TEXT", "TEXT",
                     "STRING", "text/plain;charset=utf-8", "text/plain"},
                    "",
                    false,
                    {text}},
        FoldingCase{"AliasesAtFirstOccurrence",
                    {"image/png", "text/html", "STRING", "application/rtf", "text/plain", "text/rtf", "text/richtext"},
                    "",
                    false,
                    {"image/png", html, text, rtf}},
        FoldingCase{"OtherTypesKeptOnceInOrder",
                    {"application/x-foo", "image/png", "application/x-foo", "", "chromium/x-source-url"},
                    "",
                    false,
                    {"application/x-foo", "image/png", "chromium/x-source-url"}},
        FoldingCase{"CaseMatters", {"TEXT/PLAIN", "Text/Html", "targets"}, "", false,
                    {"TEXT/PLAIN", "Text/Html", "targets"}},
        FoldingCase{"LocalFilesComeFirst", {"UTF8_STRING", "text/uri-list", "x-special/gnome-copied-files"}, "", true,
                    {files, text, "text/uri-list", "x-special/gnome-copied-files"}},
        FoldingCase{"UriListWithoutLocalFilesIsNoFileList", {"text/uri-list"}, "", false, {"text/uri-list"}},
        FoldingCase{"KdeSecretHintConceals", {"UTF8_STRING", "x-kde-passwordManagerHint"}, "secret", false,
                    {text, concealed}},
        FoldingCase{"KdeOtherHintDoesNotConceal", {"UTF8_STRING", "x-kde-passwordManagerHint"}, "accepted", false,
                    {text, "x-kde-passwordManagerHint"}},
        FoldingCase{"NsConcealedTypeConcealsOnce",
                    {"org.nspasteboard.ConcealedType", "text/plain", "x-kde-passwordManagerHint"}, "secret", false,
                    {concealed, text}},
        FoldingCase{"OwnerCannotClaimOurDerivedTypes", {"x-nimbrel/file-names", "x-nimbrel/concealed", "STRING"}, "",
                    false, {text}}),
    [](const testing::TestParamInfo<FoldingCase> &info) { return std::string(info.param.name); });

TEST(FoldedTargetTest, MapsSingleTargets)
{
    EXPECT_EQ(foldedTarget("COMPOUND_TEXT"), PasteboardTypeString);
    EXPECT_EQ(foldedTarget("text/richtext"), PasteboardTypeRTF);
    EXPECT_EQ(foldedTarget("MULTIPLE"), "");
    EXPECT_EQ(foldedTarget("text/plain;charset=UTF-8"), "text/plain;charset=UTF-8");
}

} // namespace
} // namespace nimbrel
