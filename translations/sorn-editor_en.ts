<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>sorn::AudioSettingsDialog</name>
    <message>
        <source>音源の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出すファイル: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動（試聴と同じ音源）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サンプリング周波数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>量子化ビット数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 ビット</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24 ビット</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ogg Vorbis ではビット数を選びません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::Form1</name>
    <message>
        <source>曲の情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パートの情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAVで保存(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声で保存(全パート)(&amp;A)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パート練習用の音源(&amp;R)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDIで保存(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MusicXMLで保存(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LilyPondで保存(&amp;Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷(P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選択している音符の情報を見る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌詞入力(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スペースの挿入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スペースの削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲の長さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲を長くする(10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲を長くする(50)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲を長くする(100)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲を短くする(10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲を短くする(20)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パート数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パート数を増やす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>現在のパートを削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力後に次の位置へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音名入力モード	N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縮小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試聴(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — SORN楽譜エディタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出しを中止しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出しました: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出しを中止しました（%1 個は書き出し済み）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 個のファイルを書き出しました: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>挿入して貼り付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す(&amp;U): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>やり直し(&amp;R): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 個の位置をコピーしました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クリップボードに貼り付けられる楽譜がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲の長さの上限のため %1 個の位置を貼り付けませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲の終わりを越える %1 個の位置を貼り付けませんでした</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>休符の入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音符の入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記号の入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音符の情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カーソルから試聴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>入力した音を鳴らす</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総譜(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::Form3</name>
    <message>
        <source>印刷プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1段の音符の数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレビューの表示</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>部数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全てのページを印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空白を詰める</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷開始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パートごとにPDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LilyPondで浄書...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このパート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>総譜</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選んだパート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元の体裁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>読みやすい体裁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>余白</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>向き</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縦</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次へ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内容</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>体裁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パートを選んでください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2 ページ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LilyPond で浄書しています… (Esc で中止)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::Language</name>
    <message>
        <source>言語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>システムに合わせる</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::LyricEntry</name>
    <message>
        <source>歌詞を付ける音符がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この後に音符はありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1つの音節は%1バイトまでです</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌詞の入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>歌詞入力 %1番</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::PartEdit</name>
    <message>
        <source>パートの情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽器(MIDI)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パート名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>略称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::RecoveryDialog</name>
    <message>
        <source>復元用コピー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存されていない楽譜の復元用コピーが見つかりました。
復元する楽譜を選んでください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き込んだ時刻</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>状態</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不完全</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>選ばなかったコピーは削除する</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべて削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次回まで残す</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::RehearsalDialog</name>
    <message>
        <source>パート練習用の音源</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出すフォルダ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参照...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>形式</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習するパートを目立たせる量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習するパートをこれだけ大きく、ほかのパートを同じだけ小さくします</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拍ごとにクリックを入れる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ほか %1 個</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パートごとに 1 個、パート名で書き出します:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音源の設定...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::frmAbout</name>
    <message>
        <source>バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> SORN楽譜エディタ
&#x3000;&#x3000;&#x3000;Ver. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::frmKyokuProp</name>
    <message>
        <source>曲の情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速さ(メトロノーム)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>曲の長さ(音符の数)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::frmOnpu</name>
    <message>
        <source>音符の情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>決定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音符の全削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音符の種類</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音符・休符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>長さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記号の種類</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>高さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小節線</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>付点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>タイ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>連桁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>繰り返しに関する記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルテ・ピアノ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小節線の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拍子の編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>調号の編集</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::frmOnpuChogo</name>
    <message>
        <source>調号の編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シャープ系</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フラット系</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>決定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::frmOnpuHyousi</name>
    <message>
        <source>拍子の編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一般的な拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特殊な拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分母</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>決定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::frmOnsyoku</name>
    <message>
        <source>音色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音色を選んでください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::frmSyosetsusen</name>
    <message>
        <source>小節線の設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小節線の種類</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>決定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
