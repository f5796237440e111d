#include "codes/jv_result_message.h"

#include <gtest/gtest.h>

#include "text/encoding.h"

using namespace vantor;

namespace {
std::string message(SjisView operation, int code) { return cp932ToUtf8(JVResultMessage(operation, code)); }
}  // namespace

TEST(JVResultMessage, EachOperationHasItsOwnTable) {
    EXPECT_EQ(message("JVInit", 0), "正常に実行されました。(0)");
    EXPECT_EQ(message("JVSetUIProperties", -101), "すでにサービスキーが登録されています。(-101)");
    EXPECT_EQ(message("JVOpen", -1), " 取得済みデータより最新のデータがありません。(-1)");
    EXPECT_EQ(message("JVOpen", -501), "セットアップ処理においてＣＤ －ＲＯＭ が無効です。(-501)");
    EXPECT_EQ(message("JVOpen", -201), "JVInit が行なわれていません。(-201)");
    EXPECT_EQ(message("JVStatus", -201), "JVInitが行なわれていません。(-201)");
    EXPECT_EQ(message("JVRead", 0), "全ファイルの読み込みが終了しました。（ＥＯＦ ）(0)");
    EXPECT_EQ(message("JVRead", -202), message("JVOpen", -202));
    EXPECT_EQ(message("JVStatus", -502), "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)");
    EXPECT_EQ(message("JVRead", -502), "ダウンロードに失敗しました。(通信エラーやディスクエラー)(-502)");
}

TEST(JVResultMessage, PositiveStatusAndReadResultsAreValues) {
    EXPECT_EQ(message("JVStatus", 5), "ダウンロード済みファイル数5(5)");
    EXPECT_EQ(message("JVRead", 1272), "バッファにセットしたデータのサイズ1272(1272)");
    EXPECT_EQ(message("JVOpen", 5), "(5)");
    EXPECT_EQ(message("JVClose", 1), "(1)");
}

TEST(JVResultMessage, UnknownCodeOrOperationGivesOnlyTheCode) {
    EXPECT_EQ(JVResultMessage("JVClose", -201), "(-201)"_sjis);
    EXPECT_EQ(JVResultMessage("JVRead", -2), "(-2)"_sjis);  // a retry, not a message
    EXPECT_EQ(JVResultMessage("JVInit", -100), "(-100)"_sjis);
    EXPECT_EQ(JVResultMessage("JVRTOpen", 0), "(0)"_sjis);
    EXPECT_EQ(JVResultMessage("jvopen", -1), "(-1)"_sjis);
    EXPECT_EQ(JVResultMessage("", 0), "(0)"_sjis);
    EXPECT_EQ(JVResultMessage("JVOpen", INT32_MIN), "(-2147483648)"_sjis);
}
