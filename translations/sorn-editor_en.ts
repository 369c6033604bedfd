<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>sorn::AudioSettingsDialog</name>
    <message>
        <source>音源の設定</source>
        <translation>Sound Settings</translation>
    </message>
    <message>
        <source>書き出すファイル: </source>
        <translation>File to write: </translation>
    </message>
    <message>
        <source>自動（試聴と同じ音源）</source>
        <translation>Automatic (as for listening)</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>サンプリング周波数</source>
        <translation>Sample rate</translation>
    </message>
    <message>
        <source>量子化ビット数</source>
        <translation>Bit depth</translation>
    </message>
    <message>
        <source>16 ビット</source>
        <translation>16 bits</translation>
    </message>
    <message>
        <source>24 ビット</source>
        <translation>24 bits</translation>
    </message>
    <message>
        <source>Ogg Vorbis ではビット数を選びません</source>
        <translation>Ogg Vorbis has no bit depth to choose</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>SoundFont の選択</source>
        <translation>Choose a SoundFont</translation>
    </message>
    <message>
        <source>SoundFont のファイルが見つかりません。
%1</source>
        <translation>The SoundFont file cannot be found.
%1</translation>
    </message>
</context>
<context>
    <name>sorn::Audition</name>
    <message>
        <source>音を出す装置がないため、試聴の音は鳴りません。</source>
        <translation>There is no sound device, so listening is silent.</translation>
    </message>
    <message>
        <source>試聴用の一時ファイルを作れませんでした。</source>
        <translation>Could not make the temporary file for listening.</translation>
    </message>
</context>
<context>
    <name>sorn::BackgroundWork</name>
    <message>
        <source>Esc キーで中止します</source>
        <translation>Press Esc to cancel</translation>
    </message>
</context>
<context>
    <name>sorn::EditHistory</name>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>sorn::EditorSettings</name>
    <message>
        <source>設定ファイルが通常のファイルではないため、読み書きしません。
%1
この起動中に変えた設定は保存されません。</source>
        <translation>The settings file is not a regular file, so it is neither read nor written.
%1
Settings changed in this session will not be saved.</translation>
    </message>
</context>
<context>
    <name>sorn::EntryAids</name>
    <message>
        <source>ド</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>レ</source>
        <translation>Re</translation>
    </message>
    <message>
        <source>ミ</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>ファ</source>
        <translation>Fa</translation>
    </message>
    <message>
        <source>ソ</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>ラ</source>
        <translation>La</translation>
    </message>
    <message>
        <source>シ</source>
        <translation>Ti</translation>
    </message>
    <message>
        <source>この小節は %1 拍多すぎます</source>
        <translation>This bar has %1 beats too many</translation>
    </message>
    <message>
        <source>この小節は %1 拍足りません</source>
        <translation>This bar is %1 beats short</translation>
    </message>
</context>
<context>
    <name>sorn::Exports</name>
    <message>
        <source>MusicXMLファイル|*.musicxml|圧縮MusicXMLファイル|*.mxl</source>
        <translation>MusicXML files|*.musicxml|Compressed MusicXML files|*.mxl</translation>
    </message>
    <message>
        <source>LilyPondファイル|*.ly</source>
        <translation>LilyPond files|*.ly</translation>
    </message>
    <message>
        <source>MIDIファイル|*.mid</source>
        <translation>MIDI files|*.mid</translation>
    </message>
    <message>
        <source>WAVファイル|*.wav|FLACファイル|*.flac|Ogg Vorbisファイル|*.ogg</source>
        <translation>WAV files|*.wav|FLAC files|*.flac|Ogg Vorbis files|*.ogg</translation>
    </message>
    <message>
        <source>音声で保存(全パート)</source>
        <translation>Save Audio (All Parts)</translation>
    </message>
    <message>
        <source>WAVファイル|*.wav</source>
        <translation>WAV files|*.wav</translation>
    </message>
    <message>
        <source>パート %1（%2）をWAVで保存</source>
        <translation>Save part %1 (%2) as WAV</translation>
    </message>
</context>
<context>
    <name>sorn::Form1</name>
    <message>
        <source>曲の情報</source>
        <translation>Score Properties</translation>
    </message>
    <message>
        <source>パートの情報</source>
        <translation>Part Properties</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>WAVで保存(&amp;W)</source>
        <translation>Save as &amp;WAV</translation>
    </message>
    <message>
        <source>音声で保存(全パート)(&amp;A)...</source>
        <translation>S&amp;ave Audio (All Parts)...</translation>
    </message>
    <message>
        <source>パート練習用の音源(&amp;R)...</source>
        <translation>&amp;Rehearsal Tracks...</translation>
    </message>
    <message>
        <source>MIDIで保存(&amp;M)</source>
        <translation>Save as &amp;MIDI</translation>
    </message>
    <message>
        <source>MusicXMLで保存(&amp;L)</source>
        <translation>Save as MusicXM&amp;L</translation>
    </message>
    <message>
        <source>LilyPondで保存(&amp;Y)</source>
        <translation>Save as Lil&amp;yPond</translation>
    </message>
    <message>
        <source>印刷(P)</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>選択している音符の情報を見る</source>
        <translation>Properties of the Selected Note</translation>
    </message>
    <message>
        <source>歌詞入力(&amp;L)</source>
        <translation>&amp;Lyrics</translation>
    </message>
    <message>
        <source>スペースの挿入</source>
        <translation>Insert Space</translation>
    </message>
    <message>
        <source>スペースの削除</source>
        <translation>Delete Space</translation>
    </message>
    <message>
        <source>曲の長さ</source>
        <translation>Score Length</translation>
    </message>
    <message>
        <source>曲を長くする(10)</source>
        <translation>Lengthen by 10</translation>
    </message>
    <message>
        <source>曲を長くする(50)</source>
        <translation>Lengthen by 50</translation>
    </message>
    <message>
        <source>曲を長くする(100)</source>
        <translation>Lengthen by 100</translation>
    </message>
    <message>
        <source>曲を短くする(10)</source>
        <translation>Shorten by 10</translation>
    </message>
    <message>
        <source>曲を短くする(20)</source>
        <translation>Shorten by 20</translation>
    </message>
    <message>
        <source>パート数</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>パート数を増やす</source>
        <translation>Add a Part</translation>
    </message>
    <message>
        <source>現在のパートを削除</source>
        <translation>Delete Current Part</translation>
    </message>
    <message>
        <source>入力後に次の位置へ</source>
        <translation>Advance After Entry</translation>
    </message>
    <message>
        <source>音名入力モード	N</source>
        <translation>Pitch Name Entry	N</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>等倍</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>試聴(&amp;L)</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source> — SORN楽譜エディタ</source>
        <translation> — SORN Score Editor</translation>
    </message>
    <message>
        <source>書き出しを中止しました</source>
        <translation>Export cancelled</translation>
    </message>
    <message>
        <source>書き出しました: </source>
        <translation>Exported: </translation>
    </message>
    <message>
        <source>書き出す</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>書き出しを中止しました（%1 個は書き出し済み）</source>
        <translation>Export cancelled (%1 already written)</translation>
    </message>
    <message>
        <source>%1 個のファイルを書き出しました: %2</source>
        <translation>Wrote %1 files: %2</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>やり直し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>挿入して貼り付け</source>
        <translation>Paste Inserting</translation>
    </message>
    <message>
        <source>すべて選択(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U): </source>
        <translation>&amp;Undo: </translation>
    </message>
    <message>
        <source>やり直し(&amp;R): </source>
        <translation>&amp;Redo: </translation>
    </message>
    <message>
        <source>%1 個の位置をコピーしました</source>
        <translation>Copied %1 positions</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>クリップボードに貼り付けられる楽譜がありません</source>
        <translation>The clipboard holds no score to paste</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>曲の長さの上限のため %1 個の位置を貼り付けませんでした</source>
        <translation>Did not paste %1 positions: the score is at its longest</translation>
    </message>
    <message>
        <source>曲の終わりを越える %1 個の位置を貼り付けませんでした</source>
        <translation>Did not paste %1 positions beyond the end of the score</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>休符の入力</source>
        <translation>Enter Rest</translation>
    </message>
    <message>
        <source>音符の入力</source>
        <translation>Enter Note</translation>
    </message>
    <message>
        <source>記号の入力</source>
        <translation>Enter Sign</translation>
    </message>
    <message>
        <source>音符の情報</source>
        <translation>Note Properties</translation>
    </message>
    <message>
        <source>カーソルから試聴</source>
        <translation>Listen from the Cursor</translation>
    </message>
    <message>
        <source>入力した音を鳴らす</source>
        <translation>Sound Entered Notes</translation>
    </message>
    <message>
        <source>総譜(&amp;T)</source>
        <translation>Full Score (&amp;T)</translation>
    </message>
    <message>
        <source>A 全●</source>
        <translation>A Whole</translation>
    </message>
    <message>
        <source>S 2●</source>
        <translation>S Half</translation>
    </message>
    <message>
        <source>D 4●</source>
        <translation>D 4th</translation>
    </message>
    <message>
        <source>F 8●</source>
        <translation>F 8th</translation>
    </message>
    <message>
        <source>G 16●</source>
        <translation>G 16th</translation>
    </message>
    <message>
        <source>H 32●</source>
        <translation>H 32nd</translation>
    </message>
    <message>
        <source>J 64●</source>
        <translation>J 64th</translation>
    </message>
    <message>
        <source>Shift 休符</source>
        <translation>Shift Rest</translation>
    </message>
    <message>
        <source>Q ♭♭</source>
        <translation>Q ♭♭</translation>
    </message>
    <message>
        <source>W ♭</source>
        <translation>W ♭</translation>
    </message>
    <message>
        <source>E 互</source>
        <translation>E ♮</translation>
    </message>
    <message>
        <source>R ♯</source>
        <translation>R ♯</translation>
    </message>
    <message>
        <source>T ♯♯</source>
        <translation>T ♯♯</translation>
    </message>
    <message>
        <source>Space ｜</source>
        <translation>Space ｜</translation>
    </message>
    <message>
        <source>Del 削除</source>
        <translation>Del Delete</translation>
    </message>
    <message>
        <source>Z 付点</source>
        <translation>Z Dot</translation>
    </message>
    <message>
        <source>1 タイ</source>
        <translation>1 Tie</translation>
    </message>
    <message>
        <source>3 音符を繋ぐ</source>
        <translation>3 Beam</translation>
    </message>
    <message>
        <source>C ド</source>
        <translation>C Do</translation>
    </message>
    <message>
        <source>D レ</source>
        <translation>D Re</translation>
    </message>
    <message>
        <source>E ミ</source>
        <translation>E Mi</translation>
    </message>
    <message>
        <source>F ファ</source>
        <translation>F Fa</translation>
    </message>
    <message>
        <source>G ソ</source>
        <translation>G Sol</translation>
    </message>
    <message>
        <source>A ラ</source>
        <translation>A La</translation>
    </message>
    <message>
        <source>B シ</source>
        <translation>B Ti</translation>
    </message>
    <message>
        <source>1〜7 長さ</source>
        <translation>1–7 Length</translation>
    </message>
    <message>
        <source>. 付点</source>
        <translation>. Dot</translation>
    </message>
    <message>
        <source>0 休符</source>
        <translation>0 Rest</translation>
    </message>
    <message>
        <source>= ♮</source>
        <translation>= ♮</translation>
    </message>
    <message>
        <source>↑↓ 1段</source>
        <translation>↑↓ Step</translation>
    </message>
    <message>
        <source>Ctrl+↑↓ 1オクターブ</source>
        <translation>Ctrl+↑↓ Octave</translation>
    </message>
    <message>
        <source>Enter 記号</source>
        <translation>Enter Signs</translation>
    </message>
    <message>
        <source>Ctrl+K 歌詞</source>
        <translation>Ctrl+K Lyrics</translation>
    </message>
    <message>
        <source>Shift+↑↓ パート</source>
        <translation>Shift+↑↓ Part</translation>
    </message>
    <message>
        <source>N 終わる</source>
        <translation>N Quit mode</translation>
    </message>
    <message>
        <source>ヘルプのページを開けませんでした。ブラウザーで次のファイルを開いてください。
%1</source>
        <translation>Could not open the help page. Please open the following file in a web browser.
%1</translation>
    </message>
    <message>
        <source>音声ファイルの名前は .wav、.flac、.ogg のどれかで終えてください。
%1</source>
        <translation>Please end the name of the audio file with .wav, .flac or .ogg.
%1</translation>
    </message>
    <message>
        <source>MusicXMLの繰り返し(&amp;K)</source>
        <translation>MusicXML Rep&amp;eats</translation>
    </message>
    <message>
        <source>パートごとに違うときだけ演奏順に書き出す(&amp;A)</source>
        <translation>Write Out in Playing Order Only When Parts &amp;Differ</translation>
    </message>
    <message>
        <source>いつも演奏順に書き出す(&amp;U)</source>
        <translation>&amp;Always Write Out in Playing Order</translation>
    </message>
    <message>
        <source>繰り返し記号のまま書き出す(&amp;N)</source>
        <translation>&amp;Keep Repeat Signs</translation>
    </message>
</context>
<context>
    <name>sorn::Form3</name>
    <message>
        <source>印刷プレビュー</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>12段</source>
        <translation>12 staves</translation>
    </message>
    <message>
        <source>1段の音符の数</source>
        <translation>Notes per staff</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>プレビューの表示</source>
        <translation>Show Preview</translation>
    </message>
    <message>
        <source>部数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>全てのページを印刷</source>
        <translation>Print all pages</translation>
    </message>
    <message>
        <source>空白を詰める</source>
        <translation>Close gaps</translation>
    </message>
    <message>
        <source>印刷開始</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>パートごとにPDF...</source>
        <translation>PDF per Part...</translation>
    </message>
    <message>
        <source>LilyPondで浄書...</source>
        <translation>Engrave with LilyPond...</translation>
    </message>
    <message>
        <source>このパート</source>
        <translation>This part</translation>
    </message>
    <message>
        <source>総譜</source>
        <translation>Full score</translation>
    </message>
    <message>
        <source>選んだパート</source>
        <translation>Chosen parts</translation>
    </message>
    <message>
        <source>元の体裁</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>読みやすい体裁</source>
        <translation>For reading</translation>
    </message>
    <message>
        <source>余白</source>
        <translation>Margins</translation>
    </message>
    <message>
        <source>向き</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>縦</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>横</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>前へ</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>体裁</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>パートを選んでください</source>
        <translation>Please choose a part</translation>
    </message>
    <message>
        <source>%1 / %2 ページ</source>
        <translation>Page %1 / %2</translation>
    </message>
    <message>
        <source>LilyPond で浄書しています… (Esc で中止)</source>
        <translation>Engraving with LilyPond… (Esc cancels)</translation>
    </message>
    <message>
        <source>プレビューの画像を開けませんでした。画像を表示するプログラムで次のファイルを開いてください。
%1</source>
        <translation>Could not open the preview image. Please open the following file with an image viewer.
%1</translation>
    </message>
    <message>
        <source>PDFファイル|*.pdf</source>
        <translation>PDF files|*.pdf</translation>
    </message>
    <message>
        <source>パートごとのPDFを書き出すフォルダ</source>
        <translation>Folder for the PDFs of the parts</translation>
    </message>
    <message>
        <source>%1ページ</source>
        <translation>Pages: %1</translation>
    </message>
</context>
<context>
    <name>sorn::Form4</name>
    <message>
        <source>試聴</source>
        <translation>Listen</translation>
    </message>
    <message>
        <source>始めから
再生</source>
        <translation>Play from
Start</translation>
    </message>
    <message>
        <source>再生</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>一時停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>試聴終了</source>
        <translation>Stop Listening</translation>
    </message>
    <message>
        <source>始めから再生</source>
        <translation>Play from Start</translation>
    </message>
    <message>
        <source>%1（準備中…）</source>
        <translation>%1 (getting ready…)</translation>
    </message>
</context>
<context>
    <name>sorn::Language</name>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>システムに合わせる</source>
        <translation>System Language</translation>
    </message>
</context>
<context>
    <name>sorn::LyricEntry</name>
    <message>
        <source>歌詞を付ける音符がありません</source>
        <translation>No note to put lyrics to</translation>
    </message>
    <message>
        <source>この後に音符はありません</source>
        <translation>No notes follow</translation>
    </message>
    <message>
        <source>1つの音節は%1バイトまでです</source>
        <translation>A syllable can have at most %1 bytes</translation>
    </message>
    <message>
        <source>歌詞の入力</source>
        <translation>Enter Lyrics</translation>
    </message>
    <message>
        <source>歌詞入力 %1番</source>
        <translation>Lyrics, verse %1</translation>
    </message>
</context>
<context>
    <name>sorn::MdMain</name>
    <message>
        <source>楽譜ファイル|*.sorn</source>
        <translation>Score files|*.sorn</translation>
    </message>
    <message>
        <source>楽譜ファイル|*.sorn|MusicXMLファイル|*.musicxml;*.xml;*.mxl</source>
        <translation>Score files|*.sorn|MusicXML files|*.musicxml;*.xml;*.mxl</translation>
    </message>
    <message>
        <source>データを保存をした後に楽譜が変更されています。
楽譜を保存をしますか？</source>
        <translation>The score has changed since it was last saved.
Do you want to save it?</translation>
    </message>
    <message>
        <source>このファイルは楽譜ではないため開くことができません。
%1
開いている楽譜はそのまま残ります。</source>
        <translation>This file is not a score and cannot be opened.
%1
The open score stays as it is.</translation>
    </message>
    <message>
        <source>このファイルは楽譜ではないため開くことができません。
%1</source>
        <translation>This file is not a score and cannot be opened.
%1</translation>
    </message>
</context>
<context>
    <name>sorn::PartEdit</name>
    <message>
        <source>パートの情報</source>
        <translation>Part Properties</translation>
    </message>
    <message>
        <source>楽器(MIDI)</source>
        <translation>Instrument (MIDI)</translation>
    </message>
    <message>
        <source>パート名</source>
        <translation>Part name</translation>
    </message>
    <message>
        <source>略称</source>
        <translation>Short name</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>sorn::PitchNameEntry</name>
    <message>
        <source>音名入力モードでは使わないキーです (N でモードを終えます)</source>
        <translation>This key is not used in pitch name entry (N ends the mode)</translation>
    </message>
    <message>
        <source>強弱記号は音名入力モードでは Enter (記号) で入れます</source>
        <translation>In pitch name entry, dynamics are entered with Enter (signs)</translation>
    </message>
    <message>
        <source>全音符</source>
        <translation>whole note</translation>
    </message>
    <message>
        <source>2分音符</source>
        <translation>half note</translation>
    </message>
    <message>
        <source>4分音符</source>
        <translation>quarter note</translation>
    </message>
    <message>
        <source>8分音符</source>
        <translation>eighth note</translation>
    </message>
    <message>
        <source>16分音符</source>
        <translation>16th note</translation>
    </message>
    <message>
        <source>32分音符</source>
        <translation>32nd note</translation>
    </message>
    <message>
        <source>64分音符</source>
        <translation>64th note</translation>
    </message>
    <message>
        <source>付点%1</source>
        <translation>Dotted %1</translation>
    </message>
    <message>
        <source>音名入力 %1</source>
        <translation>Pitch names %1</translation>
    </message>
    <message>
        <source>楽譜の終わりです。曲の長さを延ばしてください</source>
        <translation>End of the score. Please make the score longer</translation>
    </message>
    <message>
        <source>五線で書ける高さを超えるため書けません</source>
        <translation>Cannot write beyond the pitches the staff can show</translation>
    </message>
    <message>
        <source>音名の入力</source>
        <translation>Enter Pitch Name</translation>
    </message>
    <message>
        <source>休符の入力</source>
        <translation>Enter Rest</translation>
    </message>
    <message>
        <source>臨時記号を付ける音符がありません</source>
        <translation>No note to put the accidental on</translation>
    </message>
    <message>
        <source>記号の入力</source>
        <translation>Enter Sign</translation>
    </message>
    <message>
        <source>動かす音符がありません</source>
        <translation>No note to move</translation>
    </message>
    <message>
        <source>五線で書ける高さを超えるため動かせません</source>
        <translation>Cannot move beyond the pitches the staff can show</translation>
    </message>
    <message>
        <source>音の高さ</source>
        <translation>Pitch</translation>
    </message>
</context>
<context>
    <name>sorn::PrintJob</name>
    <message>
        <source>原因はわかりません。</source>
        <translation>The cause is unknown.</translation>
    </message>
    <message>
        <source>印刷できませんでした。
%1</source>
        <translation>Could not print.
%1</translation>
    </message>
    <message>
        <source>PDF を書き出せませんでした: %1
%2</source>
        <translation>Could not write the PDF: %1
%2</translation>
    </message>
</context>
<context>
    <name>sorn::QtFileDialogs</name>
    <message>
        <source>フォルダの選択</source>
        <translation>Choose a Folder</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>sorn::QtMessageBoxes</name>
    <message>
        <source>SORN楽譜エディタ</source>
        <translation>SORN Score Editor</translation>
    </message>
</context>
<context>
    <name>sorn::QtPrinter</name>
    <message>
        <source>メモリが足りません。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>印刷を始められませんでした。</source>
        <translation>Could not start printing.</translation>
    </message>
    <message>
        <source>次のページを始められませんでした。</source>
        <translation>Could not start the next page.</translation>
    </message>
    <message>
        <source>印刷を終えられませんでした。</source>
        <translation>Could not finish printing.</translation>
    </message>
    <message>
        <source>プリンタがエラーを返しました。</source>
        <translation>The printer reported an error.</translation>
    </message>
</context>
<context>
    <name>sorn::RecentFiles</name>
    <message>
        <source>ファイルが見つかりません。最近使ったファイルの一覧から外します。
%1</source>
        <translation>The file cannot be found. It is removed from the recent files.
%1</translation>
    </message>
</context>
<context>
    <name>sorn::Recovery</name>
    <message>
        <source>(名前のない新しい楽譜)</source>
        <translation>(new score without a name)</translation>
    </message>
    <message>
        <source>復元用フォルダの次のファイルは、リンクや特殊なファイルであるか、ご自分のものでないため、開かずに残しました。
%1</source>
        <translation>These files of the recovery folder are links, special files or not yours, so they were left unopened.
%1</translation>
    </message>
    <message>
        <source>削除した復元用コピーの、保存されていない変更は元に戻せません。
%1個のコピーを削除しますか？</source>
        <translation>The unsaved changes of deleted recovery copies cannot be brought back.
Delete %1 copies?</translation>
    </message>
    <message>
        <source>復元用コピーを開くことができませんでした。
%1
%2</source>
        <translation>Could not open the recovery copy.
%1
%2</translation>
    </message>
    <message>
        <source>この復元用コピーは書き込みが途中で終わっています。最後に入力した部分が欠けているかもしれません。
内容を確かめてから保存してください。</source>
        <translation>Writing this recovery copy was not finished. The last part entered may be missing.
Please check the score before saving it.</translation>
    </message>
    <message>
        <source>リンクになっているため開きません。</source>
        <translation>Not opened because it is a link.</translation>
    </message>
    <message>
        <source>ご自分のファイルではないため開きません。</source>
        <translation>Not opened because it is not your file.</translation>
    </message>
    <message>
        <source>通常のファイルではないため開きません。</source>
        <translation>Not opened because it is not a regular file.</translation>
    </message>
    <message>
        <source>中身が楽譜ではありません。コピーが壊れています。</source>
        <translation>The contents are not a score. The copy is damaged.</translation>
    </message>
    <message>
        <source>コピーを最後まで読めませんでした。</source>
        <translation>The copy could not be read to its end.</translation>
    </message>
</context>
<context>
    <name>sorn::RecoveryDialog</name>
    <message>
        <source>復元用コピー</source>
        <translation>Recovery Copies</translation>
    </message>
    <message>
        <source>保存されていない楽譜の復元用コピーが見つかりました。
復元する楽譜を選んでください。</source>
        <translation>Recovery copies of unsaved scores were found.
Please choose the score to restore.</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>書き込んだ時刻</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>不完全</source>
        <translation>Incomplete</translation>
    </message>
    <message>
        <source>選ばなかったコピーは削除する</source>
        <translation>Delete the copies not chosen</translation>
    </message>
    <message>
        <source>復元</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>すべて削除</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>次回まで残す</source>
        <translation>Keep for next time</translation>
    </message>
</context>
<context>
    <name>sorn::RecoveryFiles</name>
    <message>
        <source>復元用フォルダを作れません。
%1
</source>
        <translation>Cannot make the recovery folder.
%1
</translation>
    </message>
    <message>
        <source>復元用フォルダがご自分のフォルダではないため、使いません。
%1
</source>
        <translation>The recovery folder is not yours, so it is not used.
%1
</translation>
    </message>
    <message>
        <source>この起動中は自動保存を行いません。</source>
        <translation>Autosave is off for this session.</translation>
    </message>
</context>
<context>
    <name>sorn::RehearsalDialog</name>
    <message>
        <source>パート練習用の音源</source>
        <translation>Rehearsal Tracks</translation>
    </message>
    <message>
        <source>書き出すフォルダ</source>
        <translation>Folder to write to</translation>
    </message>
    <message>
        <source>参照...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>形式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>練習するパートを目立たせる量</source>
        <translation>How much the practised part stands out</translation>
    </message>
    <message>
        <source>練習するパートをこれだけ大きく、ほかのパートを同じだけ小さくします</source>
        <translation>The practised part is made this much louder, the other parts as much softer</translation>
    </message>
    <message>
        <source>拍ごとにクリックを入れる</source>
        <translation>Click on every beat</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source> ほか %1 個</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>パートごとに 1 個、パート名で書き出します:
</source>
        <translation>One file per part, named after the part:
</translation>
    </message>
    <message>
        <source>音源の設定...</source>
        <translation>Sound Settings...</translation>
    </message>
    <message>
        <source>書き出す</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>パート練習用の音源を書き出すフォルダ</source>
        <translation>Folder for the rehearsal tracks</translation>
    </message>
    <message>
        <source>書き出すフォルダを指定してください。</source>
        <translation>Please give the folder to write to.</translation>
    </message>
    <message>
        <source>フォルダではなくファイルの名前です。書き出すフォルダを指定してください。</source>
        <translation>This is the name of a file, not a folder. Please give the folder to write to.</translation>
    </message>
</context>
<context>
    <name>sorn::ReplaceFiles</name>
    <message>
        <source>
ほか %1 個</source>
        <translation>
and %1 more</translation>
    </message>
    <message>
        <source>次のファイルはもうあります。置き換えますか?</source>
        <translation>These files already exist. Replace them?</translation>
    </message>
</context>
<context>
    <name>sorn::ScoreAreaRedraw</name>
    <message>
        <source>位置 %1/%2</source>
        <translation>Position %1/%2</translation>
    </message>
    <message>
        <source>パート %1/%2  %3</source>
        <translation>Part %1/%2  %3</translation>
    </message>
</context>
<context>
    <name>sorn::WordsText</name>
    <message>
        <source>「%1」は%2バイト（全角でおよそ%3文字）までにしてください。</source>
        <translation>Please keep “%1” to %2 bytes (about %3 Japanese characters).</translation>
    </message>
</context>
<context>
    <name>sorn::frmAbout</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source> SORN楽譜エディタ
&#x3000;&#x3000;&#x3000;Ver. </source>
        <translation> SORN Score Editor
      Ver. </translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>sorn::frmKyokuProp</name>
    <message>
        <source>曲の情報</source>
        <translation>Score Properties</translation>
    </message>
    <message>
        <source>速さ(メトロノーム)</source>
        <translation>Tempo (metronome)</translation>
    </message>
    <message>
        <source>曲の長さ(音符の数)</source>
        <translation>Length of the score (notes)</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>曲名</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>副題</source>
        <translation>Subtitle</translation>
    </message>
    <message>
        <source>作曲</source>
        <translation>Composer</translation>
    </message>
    <message>
        <source>作詞</source>
        <translation>Lyricist</translation>
    </message>
    <message>
        <source>編曲</source>
        <translation>Arranger</translation>
    </message>
    <message>
        <source>著作権</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>速さは1から32767までの数で入力してください。</source>
        <translation>Please enter a tempo from 1 to 32767.</translation>
    </message>
</context>
<context>
    <name>sorn::frmOnpu</name>
    <message>
        <source>音符の情報</source>
        <translation>Note Properties</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>音符の全削除</source>
        <translation>Delete All Notes</translation>
    </message>
    <message>
        <source>音符の種類</source>
        <translation>Kind of note</translation>
    </message>
    <message>
        <source>音符・休符</source>
        <translation>Notes and rests</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>記号の種類</source>
        <translation>Kind of sign</translation>
    </message>
    <message>
        <source>編集button</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>小節線</source>
        <translation>Bar line</translation>
    </message>
    <message>
        <source>付点</source>
        <translation>Dot</translation>
    </message>
    <message>
        <source>タイ</source>
        <translation>Tie</translation>
    </message>
    <message>
        <source>連桁</source>
        <translation>Beam</translation>
    </message>
    <message>
        <source>繰り返しに関する記号</source>
        <translation>Repeat signs</translation>
    </message>
    <message>
        <source>フォルテ・ピアノ</source>
        <translation>Dynamics</translation>
    </message>
    <message>
        <source>小節線の設定</source>
        <translation>Bar Line</translation>
    </message>
    <message>
        <source>拍子の編集</source>
        <translation>Time Signature</translation>
    </message>
    <message>
        <source>調号の編集</source>
        <translation>Key Signature</translation>
    </message>
    <message>
        <source>音符</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>休符</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>音部記号</source>
        <translation>Clef</translation>
    </message>
    <message>
        <source>拍子記号</source>
        <translation>Time signature</translation>
    </message>
    <message>
        <source>調号</source>
        <translation>Key signature</translation>
    </message>
    <message>
        <source>指定なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>全音符(休符)</source>
        <translation>Whole (rest)</translation>
    </message>
    <message>
        <source>2分音符(休符)</source>
        <translation>Half (rest)</translation>
    </message>
    <message>
        <source>4分音符(休符)</source>
        <translation>Quarter (rest)</translation>
    </message>
    <message>
        <source>8分音符(休符)</source>
        <translation>Eighth (rest)</translation>
    </message>
    <message>
        <source>16分音符(休符)</source>
        <translation>16th (rest)</translation>
    </message>
    <message>
        <source>32分音符(休符)</source>
        <translation>32nd (rest)</translation>
    </message>
    <message>
        <source>64分音符(休符)</source>
        <translation>64th (rest)</translation>
    </message>
    <message>
        <source>ト音記号</source>
        <translation>Treble clef</translation>
    </message>
    <message>
        <source>ヘ音記号</source>
        <translation>Bass clef</translation>
    </message>
    <message>
        <source>ハ音記号(アルト)</source>
        <translation>Alto clef</translation>
    </message>
    <message>
        <source>ハ音記号(テノール)</source>
        <translation>Tenor clef</translation>
    </message>
    <message>
        <source>ダブルシャープ</source>
        <translation>Double sharp</translation>
    </message>
    <message>
        <source>シャープ</source>
        <translation>Sharp</translation>
    </message>
    <message>
        <source>記号なし</source>
        <translation>No accidental</translation>
    </message>
    <message>
        <source>フラット</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>ダブルフラット</source>
        <translation>Double flat</translation>
    </message>
    <message>
        <source>ナチュラル</source>
        <translation>Natural</translation>
    </message>
    <message>
        <source>(指定なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>p(ピアノ)</source>
        <translation>p (piano)</translation>
    </message>
    <message>
        <source>f(フォルテ)</source>
        <translation>f (forte)</translation>
    </message>
</context>
<context>
    <name>sorn::frmOnpuChogo</name>
    <message>
        <source>ハ長調</source>
        <translation>C major</translation>
    </message>
    <message>
        <source>ト長調(シャープ1つ)</source>
        <translation>G major (1 sharp)</translation>
    </message>
    <message>
        <source>ニ長調(2つ)</source>
        <translation>D major (2)</translation>
    </message>
    <message>
        <source>イ長調(3つ)</source>
        <translation>A major (3)</translation>
    </message>
    <message>
        <source>ホ長調(4つ)</source>
        <translation>E major (4)</translation>
    </message>
    <message>
        <source>ロ長調(5つ)</source>
        <translation>B major (5)</translation>
    </message>
    <message>
        <source>嬰ヘ長調(6つ)</source>
        <translation>F♯ major (6)</translation>
    </message>
    <message>
        <source>嬰ハ長調(7つ)</source>
        <translation>C♯ major (7)</translation>
    </message>
    <message>
        <source>ヘ長調(フラット1つ)</source>
        <translation>F major (1 flat)</translation>
    </message>
    <message>
        <source>変ロ長調(2つ)</source>
        <translation>B♭ major (2)</translation>
    </message>
    <message>
        <source>変ホ長調(3つ)</source>
        <translation>E♭ major (3)</translation>
    </message>
    <message>
        <source>変イ長調(4つ)</source>
        <translation>A♭ major (4)</translation>
    </message>
    <message>
        <source>変ニ長調(5つ)</source>
        <translation>D♭ major (5)</translation>
    </message>
    <message>
        <source>変ト長調(6つ)</source>
        <translation>G♭ major (6)</translation>
    </message>
    <message>
        <source>変ハ長調(7つ)</source>
        <translation>C♭ major (7)</translation>
    </message>
</context>
<context>
    <name>sorn::frmOnpuHyousi</name>
    <message>
        <source>拍子の編集</source>
        <translation>Time Signature</translation>
    </message>
    <message>
        <source>分子</source>
        <translation>Numerator</translation>
    </message>
    <message>
        <source>一般的な拍子</source>
        <translation>Common meters</translation>
    </message>
    <message>
        <source>特殊な拍子</source>
        <translation>Unusual meters</translation>
    </message>
    <message>
        <source>分母</source>
        <translation>Denominator</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>２拍子</source>
        <translation>2 beats</translation>
    </message>
    <message>
        <source>３拍子</source>
        <translation>3 beats</translation>
    </message>
    <message>
        <source>４拍子</source>
        <translation>4 beats</translation>
    </message>
    <message>
        <source>６拍子</source>
        <translation>6 beats</translation>
    </message>
    <message>
        <source>８拍子</source>
        <translation>8 beats</translation>
    </message>
    <message>
        <source>９拍子</source>
        <translation>9 beats</translation>
    </message>
    <message>
        <source>12拍子</source>
        <translation>12 beats</translation>
    </message>
    <message>
        <source>１拍子</source>
        <translation>1 beat</translation>
    </message>
    <message>
        <source>５拍子</source>
        <translation>5 beats</translation>
    </message>
    <message>
        <source>７拍子</source>
        <translation>7 beats</translation>
    </message>
    <message>
        <source>10拍子</source>
        <translation>10 beats</translation>
    </message>
    <message>
        <source>11拍子</source>
        <translation>11 beats</translation>
    </message>
    <message>
        <source>13拍子</source>
        <translation>13 beats</translation>
    </message>
    <message>
        <source>14拍子</source>
        <translation>14 beats</translation>
    </message>
    <message>
        <source>15拍子</source>
        <translation>15 beats</translation>
    </message>
    <message>
        <source>16拍子</source>
        <translation>16 beats</translation>
    </message>
    <message>
        <source>20拍子</source>
        <translation>20 beats</translation>
    </message>
    <message>
        <source>24拍子</source>
        <translation>24 beats</translation>
    </message>
    <message>
        <source>27拍子</source>
        <translation>27 beats</translation>
    </message>
    <message>
        <source>32拍子</source>
        <translation>32 beats</translation>
    </message>
    <message>
        <source>1分(全音符)</source>
        <translation>Whole</translation>
    </message>
    <message>
        <source>2分</source>
        <translation>Half</translation>
    </message>
    <message>
        <source>4分</source>
        <translation>Quarter</translation>
    </message>
    <message>
        <source>8分</source>
        <translation>Eighth</translation>
    </message>
    <message>
        <source>16分</source>
        <translation>16th</translation>
    </message>
    <message>
        <source>32分</source>
        <translation>32nd</translation>
    </message>
</context>
<context>
    <name>sorn::frmOnsyoku</name>
    <message>
        <source>音色</source>
        <translation>Timbre</translation>
    </message>
    <message>
        <source>音色を選んでください</source>
        <translation>Please choose a timbre</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>sorn::frmSyosetsusen</name>
    <message>
        <source>小節線の設定</source>
        <translation>Bar Line</translation>
    </message>
    <message>
        <source>小節線の種類</source>
        <translation>Kind of bar line</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>小節線を引かない</source>
        <translation>No bar line</translation>
    </message>
    <message>
        <source>縦線</source>
        <translation>Single bar line</translation>
    </message>
    <message>
        <source>複縦線</source>
        <translation>Double bar line</translation>
    </message>
    <message>
        <source>終止線</source>
        <translation>Final bar line</translation>
    </message>
    <message>
        <source>リピート(戻る元)</source>
        <translation>Repeat (end)</translation>
    </message>
    <message>
        <source>リピート(戻る先)</source>
        <translation>Repeat (start)</translation>
    </message>
    <message>
        <source>リピート(両方)</source>
        <translation>Repeat (both)</translation>
    </message>
</context>
</TS>
