#include "platform/pasteboard_types.h"
#include "platform/qt/type_folding.h"

#include "named_rows.h"

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

TEST_P(TypeFoldingTest, KnownTypesFirstInOwnerOrder)
{
    const FoldingCase &row = GetParam();
    EXPECT_EQ(foldTypes(row.targets, row.passwordHint, row.hasLocalFiles), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypeFoldingTest,
    testing::Values(
        FoldingCase{"OnlyIcccmTargets", {"TARGETS", "MULTIPLE", "TIMESTAMP", "SAVE_TARGETS", "DELETE", "LENGTH",
                                         "LIST_LENGTH", "HOSTNAME", "CLASS", "USER", "OWNER_OS"}, "", false, {}},
        FoldingCase{"LengthBeforeText", {"LENGTH", "UTF8_STRING", "STRING"}, "", false, {text}},
        FoldingCase{"PrivateTargetsBeforeText", {"GTK_TEXT_BUFFER_CONTENTS", "UTF8_STRING", "TEXT"}, "", false,
                    {text, "GTK_TEXT_BUFFER_CONTENTS"}},
        FoldingCase{"KnownTypesKeepOwnerOrder",
                    {"application/x-openoffice-embed-source-xml", "text/rtf", "text/richtext", "text/html",
                     "text/plain;charset=utf-16", "image/png", "application/x-openoffice-embed-source-xml"},
                    "", false, {rtf, html, text, "application/x-openoffice-embed-source-xml", "image/png"}},
        FoldingCase{"OnlyUnknownContent", {"TARGETS", "image/png", "image/bmp"}, "", false, {"image/png", "image/bmp"}},
        FoldingCase{"LocalFilesComeFirst", {"UTF8_STRING", "text/uri-list"}, "", true, {files, text, "text/uri-list"}},
        FoldingCase{"KdeSecretHint", {"x-kde-passwordManagerHint", "UTF8_STRING"}, "secret", false, {text, concealed}},
        FoldingCase{"KdeOtherHint", {"UTF8_STRING", "x-kde-passwordManagerHint"}, "accepted", false,
                    {text, "x-kde-passwordManagerHint"}},
        FoldingCase{"NsConcealedTypeOnce",
                    {"org.nspasteboard.ConcealedType", "text/plain", "x-kde-passwordManagerHint"}, "secret", false,
                    {text, concealed}},
        FoldingCase{"OwnerCannotClaimOurDerivedTypes", {"x-nimbrel/file-names", "x-nimbrel/concealed", "STRING"}, "",
                    false, {text}}),
    rowName);

} // namespace
} // namespace nimbrel
