<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Texts</name>
    <message>
        <source>この小節は %1 拍多すぎます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この小節は %1 拍足りません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このファイルは楽譜ではないため開くことができません。
%1
開いている楽譜はそのまま残ります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このファイルは楽譜ではないため開くことができません。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リンクになっているため開きません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ご自分のファイルではないため開きません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通常のファイルではないため開きません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中身が楽譜ではありません。コピーが壊れています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピーを最後まで読めませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原因はわかりません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷できませんでした。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF を書き出せませんでした: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>SoundFont の選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SoundFont のファイルが見つかりません。
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::Audition</name>
    <message>
        <source>音を出す装置がないため、試聴の音は鳴りません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試聴用の一時ファイルを作れませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::BackgroundWork</name>
    <message>
        <source>Esc キーで中止します</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::EditHistory</name>
    <message>
        <source>編集</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::EditorSettings</name>
    <message>
        <source>設定ファイルが通常のファイルではないため、読み書きしません。
%1
この起動中に変えた設定は保存されません。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::EntryAids</name>
    <message>
        <source>ド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>レ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ミ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ソ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ラ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::Exports</name>
    <message>
        <source>MusicXMLファイル|*.musicxml|圧縮MusicXMLファイル|*.mxl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LilyPondファイル|*.ly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDIファイル|*.mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAVファイル|*.wav|FLACファイル|*.flac|Ogg Vorbisファイル|*.ogg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声で保存(全パート)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAVファイル|*.wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パート %1（%2）をWAVで保存</source>
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
    <message>
        <source>A 全●</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S 2●</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D 4●</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F 8●</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G 16●</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H 32●</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>J 64●</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift 休符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Q ♭♭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W ♭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E 互</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R ♯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T ♯♯</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space ｜</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del 削除</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z 付点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 タイ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 音符を繋ぐ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C ド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D レ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E ミ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F ファ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G ソ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A ラ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B シ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1〜7 長さ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. 付点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 休符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>= ♮</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>↑↓ 1段</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+↑↓ 1オクターブ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter 記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+K 歌詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift+↑↓ パート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N 終わる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプのページを開けませんでした。ブラウザーで次のファイルを開いてください。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音声ファイルの名前は .wav、.flac、.ogg のどれかで終えてください。
%1</source>
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
    <message>
        <source>プレビューの画像を開けませんでした。画像を表示するプログラムで次のファイルを開いてください。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDFファイル|*.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パートごとのPDFを書き出すフォルダ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::Form4</name>
    <message>
        <source>試聴</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>始めから
再生</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再生</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>試聴終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>始めから再生</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1（準備中…）</source>
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
    <name>sorn::MdMain</name>
    <message>
        <source>楽譜ファイル|*.sorn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜ファイル|*.sorn|MusicXMLファイル|*.musicxml;*.xml;*.mxl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>データを保存をした後に楽譜が変更されています。
楽譜を保存をしますか？</source>
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
    <name>sorn::PitchNameEntry</name>
    <message>
        <source>音名入力モードでは使わないキーです (N でモードを終えます)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>強弱記号は音名入力モードでは Enter (記号) で入れます</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64分音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>付点%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音名入力 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楽譜の終わりです。曲の長さを延ばしてください</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五線で書ける高さを超えるため書けません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音名の入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>休符の入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>臨時記号を付ける音符がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記号の入力</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>動かす音符がありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>五線で書ける高さを超えるため動かせません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音の高さ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::QtFileDialogs</name>
    <message>
        <source>フォルダの選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::QtMessageBoxes</name>
    <message>
        <source>SORN楽譜エディタ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::QtPrinter</name>
    <message>
        <source>メモリが足りません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷を始められませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次のページを始められませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷を終えられませんでした。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンタがエラーを返しました。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::RecentFiles</name>
    <message>
        <source>ファイルが見つかりません。最近使ったファイルの一覧から外します。
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::Recovery</name>
    <message>
        <source>(名前のない新しい楽譜)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元用フォルダの次のファイルは、リンクや特殊なファイルであるか、ご自分のものでないため、開かずに残しました。
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>削除した復元用コピーの、保存されていない変更は元に戻せません。
%1個のコピーを削除しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元用コピーを開くことができませんでした。
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この復元用コピーは書き込みが途中で終わっています。最後に入力した部分が欠けているかもしれません。
内容を確かめてから保存してください。</source>
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
    <name>sorn::RecoveryFiles</name>
    <message>
        <source>復元用フォルダを作れません。
%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元用フォルダがご自分のフォルダではないため、使いません。
%1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この起動中は自動保存を行いません。</source>
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
    <message>
        <source>パート練習用の音源を書き出すフォルダ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>書き出すフォルダを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダではなくファイルの名前です。書き出すフォルダを指定してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::ReplaceFiles</name>
    <message>
        <source>
ほか %1 個</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次のファイルはもうあります。置き換えますか?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::ScoreAreaRedraw</name>
    <message>
        <source>位置 %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パート %1/%2  %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::WordsText</name>
    <message>
        <source>「%1」は%2バイト（全角でおよそ%3文字）までにしてください。</source>
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
    <message>
        <source>曲名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>副題</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作曲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作詞</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編曲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>著作権</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速さは1から32767までの数で入力してください。</source>
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
    <message>
        <source>音符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>休符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音部記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拍子記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>調号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全音符(休符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2分音符(休符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4分音符(休符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8分音符(休符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16分音符(休符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32分音符(休符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>64分音符(休符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ト音記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘ音記号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ハ音記号(アルト)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ハ音記号(テノール)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ダブルシャープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>シャープ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>記号なし</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フラット</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ダブルフラット</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ナチュラル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(指定なし)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p(ピアノ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(フォルテ)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>sorn::frmOnpuChogo</name>
    <message>
        <source>ハ長調</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ト長調(シャープ1つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ニ長調(2つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>イ長調(3つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ホ長調(4つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ロ長調(5つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>嬰ヘ長調(6つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>嬰ハ長調(7つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘ長調(フラット1つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変ロ長調(2つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変ホ長調(3つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変イ長調(4つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変ニ長調(5つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変ト長調(6つ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>変ハ長調(7つ)</source>
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
    <message>
        <source>２拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>３拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>４拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>６拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>８拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>９拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>１拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>５拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>７拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32拍子</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1分(全音符)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32分</source>
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
    <message>
        <source>小節線を引かない</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縦線</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>複縦線</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終止線</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リピート(戻る元)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リピート(戻る先)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リピート(両方)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
