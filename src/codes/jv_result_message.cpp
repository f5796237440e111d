#include "codes/jv_result_message.h"

#include <array>
#include <cstddef>
#include <span>

#include "codes/sjis_table.h"
#include "text/encoding.h"
#include "text/formatted.h"

namespace vantor {
namespace {

const std::array<SjisString, 38>& messageTexts() {
    static const auto kTexts = toSjisTable<38>({
        "正常に実行されました。",                                                             // 1
        "sid が設定されていません。",                                                         // 2
        "sid が64byte 以上あります。",                                                        // 3
        "sid が不正（sid の１桁目がスペース）です。",                                         // 4
        "パラメータが不正あるいはレジストリへの保存に失敗しました。",                         // 5
        "すでにサービスキーが登録されています。",                                             // 6
        " 取得済みデータより最新のデータがありません。",                                      // 7
        "セットアップダイアログでキャンセルが押されました。",                                 // 8
        "dataspec パラメータが不正です。",                                                    // 9
        "fromdate パラメータが不正です。",                                                    // 10
        "key パラメータが不正です。",                                                         // 11
        "option パラメータが不正です。",                                                      // 12
        "dataspec とoption の組み合わせが不正です。",                                         // 13
        "JVInit が行なわれていません。",                                                      // 14
        "前回のJVOpen/JVRTOpen/JVMVOpen に対してJVClose が呼ばれていません。（オープン中）",  // 15
        "レジストリ内容が不正（レジストリ内容が不正に変更された）です。",                     // 16
        "認証エラーが発生しました。",                                                         // 17
        "サービスキーの有効期限切れです。",                                                   // 18
        "サービスキーが設定されていません。（サービスキーが空値）",                           // 19
        "JV-Link 利用規約への同意が必要です。",                                               // 20
        "JV-Link 内部エラーが発生しました。",                                                 // 21
        "サーバーエラー（HTTP ステータス404 NotFount ）が発生しました。",                     // 22
        "サーバーエラー（HTTP ステータス403 Forbidden ）が発生しました。",                    // 23
        "サーバーエラー（HTTP ステータス200,403,404 以外）が発生しました。",                  // 24
        "サーバーエラー（サーバーの応答が不正）が発生しました。",                             // 25
        "サーバーエラー（サーバーアプリケーション内部エラー）が発生しました。",               // 26
        "セットアップ処理においてＣＤ －ＲＯＭ が無効です。",                                 // 27
        "サーバーがメンテナンス中です。",                                                     // 28
        "JVInitが行なわれていません。",                                                       // 29
        "JVOpenが行なわれていません。",                                                       // 30
        "ダウンロードに失敗しました。（通信エラーやディスクエラーなど）",                     // 31
        "全ファイルの読み込みが終了しました。（ＥＯＦ ）",                                    // 32
        "ファイルが切り替わりました。",                                                       // 33
        "ファイルダウンロード中",                                                             // 34
        "ダウンロードしたファイルサイズが異常です。",                                         // 35
        "ダウンロードしたファイル内容が異常です。",                                           // 36
        "ダウンロードに失敗しました。(通信エラーやディスクエラー)",                           // 37
        "ファイルが見つかりません。",                                                         // 38
    });
    return kTexts;
}

struct CodeText {
    int code;
    int text;  // 1-based number in messageTexts()
};

constexpr CodeText kInit[] = {{0, 1}, {-101, 2}, {-102, 3}, {-103, 4}};
constexpr CodeText kSetUIProperties[] = {{0, 1}, {-100, 5}, {-101, 6}};
constexpr CodeText kOpen[] = {{0, 1},     {-1, 7},    {-2, 8},    {-111, 9},  {-112, 10}, {-114, 11},
                              {-115, 12}, {-116, 13}, {-201, 14}, {-202, 15}, {-211, 16}, {-301, 17},
                              {-302, 18}, {-303, 19}, {-305, 20}, {-401, 21}, {-411, 22}, {-412, 23},
                              {-413, 24}, {-421, 25}, {-431, 26}, {-501, 27}, {-504, 28}};
constexpr CodeText kStatus[] = {{0, 1}, {-201, 29}, {-203, 30}, {-502, 31}};
constexpr CodeText kRead[] = {{0, 32},    {-1, 33},   {-3, 34},   {-201, 29}, {-202, 15},
                              {-203, 30}, {-402, 35}, {-403, 36}, {-502, 37}, {-503, 38}};
constexpr CodeText kClose[] = {{0, 1}};

// Positive results of JVStatus (files downloaded) and JVRead (record size)
// are not errors but values; they are labelled, then given.
enum class PositiveLabel { None, DownloadedFiles, RecordSize };

struct Rule {
    SjisView operation;
    std::span<const CodeText> codes;
    PositiveLabel positive;
};

constexpr Rule kRules[] = {
    {"JVInit", kInit, PositiveLabel::None},       {"JVSetUIProperties", kSetUIProperties, PositiveLabel::None},
    {"JVOpen", kOpen, PositiveLabel::None},       {"JVStatus", kStatus, PositiveLabel::DownloadedFiles},
    {"JVRead", kRead, PositiveLabel::RecordSize}, {"JVClose", kClose, PositiveLabel::None},
};

SjisString positiveText(PositiveLabel label, int code) {
    static const auto kLabels = toSjisTable<2>({"ダウンロード済みファイル数", "バッファにセットしたデータのサイズ"});
    switch (label) {
        case PositiveLabel::DownloadedFiles:
            return kLabels[0] + formatted("%d", code);
        case PositiveLabel::RecordSize:
            return kLabels[1] + formatted("%d", code);
        case PositiveLabel::None:
            break;
    }
    return {};
}

SjisString messageText(SjisView operation, int code) {
    for (const Rule& rule : kRules) {
        if (rule.operation != operation) continue;
        for (const CodeText& entry : rule.codes)
            if (entry.code == code) return messageTexts()[static_cast<std::size_t>(entry.text - 1)];
        return code > 0 ? positiveText(rule.positive, code) : SjisString();
    }
    return {};
}

}  // namespace

SjisString JVResultMessage(SjisView operation, int code) {
    return messageText(operation, code) + formatted("(%d)", code);
}

}  // namespace vantor
