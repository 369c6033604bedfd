<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Batch</name>
    <message>
        <source>使い方:
  sorn-editor [FILE.sorn]                  エディタを開く
  sorn-editor --export-midi OUT.mid IN.sorn
                                           楽譜全体を MIDI ファイルに書き出す
  sorn-editor --export-musicxml OUT.musicxml|OUT.mxl
              [--unfold-repeats auto|always|never] IN.sorn
                                           楽譜全体を MusicXML に書き出す (.mxl は圧縮形式)。
                                           パートごとに繰り返しが違うときは演奏順に書き出す
                                           (always は常に、never は書き出さない。既定は auto)
  sorn-editor --export-lilypond OUT.ly IN.sorn
                                           楽譜全体を LilyPond のファイルに書き出す
  sorn-editor --engrave-pdf OUT.pdf [--score | --part N] IN.sorn
                                           LilyPond で浄書して PDF にする (既定は総譜。
                                           lilypond と fonts-noto-cjk のパッケージが要る)
  sorn-editor --export-wav OUT.wav [--part N] [--timbre NAME|PATH] IN.sorn
                                           1 パートを WAV ファイルに書き出す (既定の音色はヴァイオリン)
  sorn-editor --export-audio OUT.wav|OUT.flac|OUT.ogg [音源の指定] IN.sorn
                                           全パートの演奏を音声ファイルに書き出す (形式は拡張子で)
  sorn-editor --export-rehearsal DIR [--format wav|flac|ogg] [--balance DB] [--click]
              [音源の指定] IN.sorn       パート練習用の音源をフォルダ DIR に書き出す
                                           (1 パート 1 ファイル、ファイル名はパート名。
                                           そのパートを DB デシベル大きく、ほかを小さく
                                           (0〜24, 既定 6)。--click は拍ごとのクリック)
    音源の指定: [--soundfont PATH] [--sample-rate 44100|48000] [--bits 16|24]
                                           既定は試聴と同じ SoundFont, 44100 Hz, 16 ビット
                                           (--bits は WAV と FLAC だけ)
  sorn-editor --render-view OUT.png|OUT.svg [--part N] [--scroll P] [--width W]
              [--scale S] [--no-cursor] [--score] IN.sorn
                                           楽譜表示部分を画像に書き出す (S 倍, カーソルなし,
                                           --score は全パートをそろえた総譜)
  sorn-editor --render-page OUT.png|OUT.svg [ページの指定] [--page K] [--scale S] IN.sorn
                                           印刷するページを画像に書き出す
  sorn-editor --print-pdf OUT.pdf [ページの指定] IN.sorn
                                           全ページを PDF に印刷する
  sorn-editor --print-parts DIR [ページの指定] IN.sorn
                                           パートごとの PDF をフォルダ DIR に書き出す
                                           (ファイル名はパート名)
    ページの指定: [--part N | --score | --parts 1,3] [--layout original|reading]
                  [--paper A4|A5|B4|B5] [--margin MM] [--landscape] [--compact]
                                           既定は 1 パートを元の体裁で。--score は全パート、
                                           --parts は選んだパートを、読みやすい体裁の総譜に
  sorn-editor --export-positions OUT.json [--score] IN.sorn
                                           すべての位置の時刻 (ティック, ミリ秒) と表示上の
                                           x, 譜表の y を JSON で書き出す (--score は総譜で)
  sorn-editor --save-as OUT.sorn IN.sorn   楽譜を読み込み、現在の形式で保存する
                                           (IN は .musicxml, .xml, .mxl の MusicXML でもよい)
  sorn-editor --info IN.sorn               パート数・長さ・テンポ・音色番号を JSON 1 行で出力する
                                           (題名・作曲者・パート名は、あるときだけ加える)
  sorn-editor -o OUT IN.sorn               OUT の拡張子で処理を選ぶ (.sorn, .mid, .musicxml, .mxl,
                                           .ly, .wav=1 パート, .flac/.ogg=全パートの音声, .pdf,
                                           .png/.svg=ページ)
                                           (長い形 --export-to)
  sorn-editor -h | --help | --version
  --lang en|ja                             メッセージの言語 (既定はロケールで決まる。
                                           どのコマンドにも付けられる)
パート番号は 1 から数えます。-- より後ろの引数はすべてファイル名です。
ファイル名 - は、入力なら標準入力、出力なら標準出力です。出力を - にするときは、
形式を名前に持つオプション (--export-midi など) で指定してください。
パイプ (FIFO) や端末への出力は置き換えずにそのまま書き込みます。
終了コード: 0 成功, 1 失敗, 2 使い方の誤り。
</source>
        <translation>Usage:
  sorn-editor [FILE.sorn]                  open the editor
  sorn-editor --export-midi OUT.mid IN.sorn
                                           write the whole score as a MIDI file
  sorn-editor --export-musicxml OUT.musicxml|OUT.mxl
              [--unfold-repeats auto|always|never] IN.sorn
                                           write the whole score as MusicXML (.mxl: compressed);
                                           parts that repeat differently are written out in
                                           playing order (always: every time, never: not at
                                           all; auto by default)
  sorn-editor --export-lilypond OUT.ly IN.sorn
                                           write the whole score as a LilyPond file
  sorn-editor --engrave-pdf OUT.pdf [--score | --part N] IN.sorn
                                           engrave with LilyPond into a PDF (the full score
                                           unless told; needs the packages lilypond and
                                           fonts-noto-cjk)
  sorn-editor --export-wav OUT.wav [--part N] [--timbre NAME|PATH] IN.sorn
                                           write one part as a WAV file (the default timbre
                                           is the violin)
  sorn-editor --export-audio OUT.wav|OUT.flac|OUT.ogg [SOUND] IN.sorn
                                           write every part as heard to an audio file (the
                                           format by the extension)
  sorn-editor --export-rehearsal DIR [--format wav|flac|ogg] [--balance DB] [--click]
              [SOUND] IN.sorn              write rehearsal tracks into the folder DIR
                                           (a file per part, named after the part; that
                                           part DB decibels louder, the others softer
                                           (0 to 24, default 6); --click: a click each beat)
    SOUND: [--soundfont PATH] [--sample-rate 44100|48000] [--bits 16|24]
                                           by default the audition&apos;s SoundFont, 44100 Hz,
                                           16 bits (--bits for WAV and FLAC only)
  sorn-editor --render-view OUT.png|OUT.svg [--part N] [--scroll P] [--width W]
              [--scale S] [--no-cursor] [--score] IN.sorn
                                           write the score area as a picture (S times as
                                           large, no cursor; --score: the full score with
                                           every part aligned)
  sorn-editor --render-page OUT.png|OUT.svg [PAGES] [--page K] [--scale S] IN.sorn
                                           write a printed page as a picture
  sorn-editor --print-pdf OUT.pdf [PAGES] IN.sorn
                                           print every page into a PDF
  sorn-editor --print-parts DIR [PAGES] IN.sorn
                                           write a PDF per part into the folder DIR
                                           (named after the part)
    PAGES: [--part N | --score | --parts 1,3] [--layout original|reading]
           [--paper A4|A5|B4|B5] [--margin MM] [--landscape] [--compact]
                                           by default one part in its original layout;
                                           --score: every part, --parts: the parts chosen,
                                           as a full score in the reading layout
  sorn-editor --export-positions OUT.json [--score] IN.sorn
                                           write the time (ticks, milliseconds), the x on
                                           screen and the staff&apos;s y of every position as
                                           JSON (--score: in the full score)
  sorn-editor --save-as OUT.sorn IN.sorn   read a score and save it in the current format
                                           (IN may also be MusicXML: .musicxml, .xml, .mxl)
  sorn-editor --info IN.sorn               print parts, length, tempo and programs as one
                                           JSON line (title, composer and part names only
                                           when the score has them)
  sorn-editor -o OUT IN.sorn               choose the command by OUT&apos;s extension (.sorn,
                                           .mid, .musicxml, .mxl, .ly, .wav=one part,
                                           .flac/.ogg=every part as heard, .pdf,
                                           .png/.svg=a page)
                                           (long form --export-to)
  sorn-editor -h | --help | --version
  --lang en|ja                             the language of the messages (default: by the
                                           locale); with any command
Parts are counted from 1. Every argument after -- is a file name.
A file name - is standard input as the input, standard output as the output. To write
to standard output, give the format with the option that names it (--export-midi etc.).
Output to a pipe (FIFO) or a terminal is written as it is, never replaced.
Exit status: 0 success, 1 failure, 2 wrong usage.
</translation>
    </message>
    <message>
        <source>値を指定してください: %1</source>
        <translation>Give a value: %1</translation>
    </message>
    <message>
        <source>--lang は en か ja で指定してください: %1</source>
        <translation>--lang takes en or ja: %1</translation>
    </message>
    <message>
        <source>入力ファイルは一つだけ指定してください: %1</source>
        <translation>Give only one input file: %1</translation>
    </message>
    <message>
        <source>コマンドは一度に一つだけ指定してください: %1</source>
        <translation>Give only one command at a time: %1</translation>
    </message>
    <message>
        <source>出力ファイルを指定してください: %1</source>
        <translation>Give the output file: %1</translation>
    </message>
    <message>
        <source>%1 は %2〜%3 の整数で指定してください: %4</source>
        <translation>%1 takes a whole number from %2 to %3: %4</translation>
    </message>
    <message>
        <source>%1 か %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>%1 は %2 で指定してください: %3</source>
        <translation>%1 takes %2: %3</translation>
    </message>
    <message>
        <source>不明なオプションです: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>使い方が正しくありません。sorn-editor --help をご覧ください。</source>
        <translation>Wrong usage. See sorn-editor --help.</translation>
    </message>
    <message>
        <source>この拡張子の出力には対応していません: %1</source>
        <translation>Output with this extension is not supported: %1</translation>
    </message>
    <message>
        <source>--export-audio の出力ファイルの名前は .wav, .flac, .ogg のどれかで終えてください: %1</source>
        <translation>The output file name of --export-audio must end in .wav, .flac or .ogg: %1</translation>
    </message>
    <message>
        <source>--unfold-repeats は auto, always, never のどれかで指定してください: %1</source>
        <translation>--unfold-repeats takes auto, always or never: %1</translation>
    </message>
    <message>
        <source>--export-rehearsal の出力はフォルダです。標準出力には書き出せません。</source>
        <translation>The output of --export-rehearsal is a folder; it cannot be written to standard output.</translation>
    </message>
    <message>
        <source>--format は wav, flac, ogg のどれかで指定してください: %1</source>
        <translation>--format takes wav, flac or ogg: %1</translation>
    </message>
    <message>
        <source>このコマンドでは使えないオプションです: %1</source>
        <translation>This option cannot be used with this command: %1</translation>
    </message>
    <message>
        <source>楽譜ファイルではありません: %1</source>
        <translation>Not a score file: %1</translation>
    </message>
    <message>
        <source>パート %1 はありません (1〜%2)</source>
        <translation>There is no part %1 (1 to %2)</translation>
    </message>
    <message>
        <source>%1ファイルを書き出せませんでした。
%2
%3</source>
        <translation>The %1 file could not be written.
%2
%3</translation>
    </message>
    <message>
        <source>--part と --score, --parts は一緒に指定できません。</source>
        <translation>--part cannot be given with --score or --parts.</translation>
    </message>
    <message>
        <source>--parts はパート番号 (1〜%1) をコンマで区切って指定してください: %2</source>
        <translation>--parts takes part numbers (1 to %1) separated by commas: %2</translation>
    </message>
    <message>
        <source>--layout は original か reading で指定してください: %1</source>
        <translation>--layout takes original or reading: %1</translation>
    </message>
    <message>
        <source>元の体裁で印刷できるのは 1 パートだけです。--layout reading を指定してください。</source>
        <translation>Only one part can be printed in the original layout. Give --layout reading.</translation>
    </message>
    <message>
        <source>用紙は A4, A5, B4, B5 のどれかを指定してください: %1</source>
        <translation>The paper is one of A4, A5, B4, B5: %1</translation>
    </message>
    <message>
        <source>--scale は 1〜8 の数で指定してください: %1</source>
        <translation>--scale takes a number from 1 to 8: %1</translation>
    </message>
    <message>
        <source>SORN楽譜エディタ %1</source>
        <translation>SORN Score Editor %1</translation>
    </message>
    <message>
        <source>--part と --score は一緒に指定できません。</source>
        <translation>--part cannot be given with --score.</translation>
    </message>
    <message>
        <source>位置の一覧を書き出せませんでした: %1
%2</source>
        <translation>The list of positions could not be written: %1
%2</translation>
    </message>
    <message>
        <source>音声</source>
        <translation>audio</translation>
    </message>
    <message>
        <source>パート練習用の音源を書き出せませんでした。
%1
%2</source>
        <translation>The rehearsal tracks could not be written.
%1
%2</translation>
    </message>
    <message>
        <source>画像を保存できませんでした: %1
%2</source>
        <translation>The picture could not be saved: %1
%2</translation>
    </message>
    <message>
        <source>画像が大きすぎます (幅・高さは 32767 ピクセルまで): %1</source>
        <translation>The picture is too large (width and height at most 32767 pixels): %1</translation>
    </message>
    <message>
        <source>画像を保存できませんでした: %1</source>
        <translation>The picture could not be saved: %1</translation>
    </message>
    <message>
        <source>ページ %1 はありません (1〜%2)</source>
        <translation>There is no page %1 (1 to %2)</translation>
    </message>
    <message>
        <source>フォルダを作れませんでした: %1
%2</source>
        <translation>The folder could not be made: %1
%2</translation>
    </message>
    <message>
        <source>画面と印刷を受け持つプログラムを起動できませんでした。
%1
%2</source>
        <translation>The program that shows the window and draws the pages could not be started.
%1
%2</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>繰り返しを演奏順に書き出しました。</source>
        <translation>The repeats were written out in playing order.</translation>
    </message>
    <message>
        <source>パートごとに繰り返しが違うため、繰り返しを演奏順に書き出しました。</source>
        <translation>The parts repeat differently, so the repeats were written out in playing order.</translation>
    </message>
    <message>
        <source>LilyPond が見つかりません。LilyPond で浄書するには、Debian のパッケージ %1 を入れてください。
sudo apt install %1</source>
        <translation>LilyPond was not found. To engrave with LilyPond, install the Debian packages %1.
sudo apt install %1</translation>
    </message>
    <message>
        <source>LilyPond で浄書できませんでした。LilyPond のメッセージ:
%1LilyPond に渡したファイルは次の場所に残してあります。
%2</source>
        <translation>LilyPond could not engrave the score. LilyPond said:
%1The file given to LilyPond has been kept here:
%2</translation>
    </message>
    <message>
        <source>テンポが0以下のためLilyPondファイルを作れません。曲の情報でテンポを1以上にしてください。</source>
        <translation>The tempo is 0 or less, so no LilyPond file can be made. Set the tempo to 1 or more in the score properties.</translation>
    </message>
    <message>
        <source>%1 はありません。</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>書き出すパートがありません。</source>
        <translation>There are no parts to export.</translation>
    </message>
    <message>
        <source>%1 の楽器番号 %2 はMIDIの音色番号(0～127)ではありません。</source>
        <translation>The instrument number %2 of %1 is not a MIDI program number (0–127).</translation>
    </message>
    <message>
        <source>%1 の位置 %2 の音符の高さ(%3)がMIDIで表せる範囲(0～127)を外れています。</source>
        <translation>The pitch (%3) of the note at position %2 of %1 is outside the range MIDI can represent (0–127).</translation>
    </message>
    <message>
        <source>%1 の位置 %2 の音符の高さはMusicXMLで表せる範囲(オクターブ0～9)を外れています。</source>
        <translation>The pitch of the note at position %2 of %1 is outside the range MusicXML can represent (octaves 0–9).</translation>
    </message>
    <message>
        <source>テンポが0以下のためMusicXMLファイルを作れません。曲の情報でテンポを1以上にしてください。</source>
        <translation>The tempo is 0 or less, so no MusicXML file can be made. Set the tempo to 1 or more in the score properties.</translation>
    </message>
    <message>
        <source>MusicXMLファイルが、読み込める大きさの上限の 2 GB を超えるため作れません。</source>
        <translation>The MusicXML file cannot be made: it would exceed 2 GB, the largest size that can be read.</translation>
    </message>
    <message>
        <source>和音 %1 か所は最上音だけを読み込みました。</source>
        <translation>Chords read as their top note only: %1.</translation>
    </message>
    <message>
        <source>ほかの声部の音符・休符 %1 個は読み込みませんでした。</source>
        <translation>Notes and rests of other voices not read: %1.</translation>
    </message>
    <message>
        <source>2 段目以降の譜表の音符・休符 %1 個は読み込みませんでした。</source>
        <translation>Notes and rests on the second and later staves not read: %1.</translation>
    </message>
    <message>
        <source>音の高さのない打楽器の音符 %1 個は読み込みませんでした。</source>
        <translation>Unpitched percussion notes not read: %1.</translation>
    </message>
    <message>
        <source>音符のない所 %1 か所は休符で埋めました。</source>
        <translation>Gaps without notes filled with rests: %1.</translation>
    </message>
    <message>
        <source>連符の音符・休符 %1 個は、連符全体の長さが合うように連符でない音価で読み込みました。</source>
        <translation>Notes and rests in tuplets read as plain note values that keep the whole tuplet&apos;s length: %1.</translation>
    </message>
    <message>
        <source>音価と長さが食い違う音符・休符 %1 個は長さに合わせた音価で読み込みました。</source>
        <translation>Notes and rests whose note value disagrees with their length, read with the value of their length: %1.</translation>
    </message>
    <message>
        <source>1 つの記号で書けない長さの音符・休符 %1 個はタイでつないだ音符や複数の休符にしました。</source>
        <translation>Notes and rests no single symbol can show, made into tied notes or several rests: %1.</translation>
    </message>
    <message>
        <source>この楽譜にない長さの音符・休符 %1 個は近い長さで読み込みました。</source>
        <translation>Notes and rests of lengths this score cannot hold, read with the nearest length: %1.</translation>
    </message>
    <message>
        <source>装飾音符 %1 個は読み込みませんでした。</source>
        <translation>Grace notes not read: %1.</translation>
    </message>
    <message>
        <source>歌詞 %1 個は読み込みませんでした。</source>
        <translation>Lyrics not read: %1.</translation>
    </message>
    <message>
        <source>6 番以降の歌詞 %1 個は読み込みませんでした。</source>
        <translation>Lyrics of verse 6 and later not read: %1.</translation>
    </message>
    <message>
        <source>長すぎる題名・パート名・歌詞 %1 個は、入る長さまで読み込みました。</source>
        <translation>Titles, part names and lyrics too long, read up to the length that fits: %1.</translation>
    </message>
    <message>
        <source>スラー %1 個は読み込みませんでした。</source>
        <translation>Slurs not read: %1.</translation>
    </message>
    <message>
        <source>アーティキュレーション %1 個は読み込みませんでした。</source>
        <translation>Articulations not read: %1.</translation>
    </message>
    <message>
        <source>その他の音符の記号 %1 個は読み込みませんでした。</source>
        <translation>Other note symbols not read: %1.</translation>
    </message>
    <message>
        <source>三重シャープ・三重フラットなどの音符 %1 個は同じ高さの別の音名で読み込みました。</source>
        <translation>Notes with triple sharps, triple flats and the like, read as another note name of the same pitch: %1.</translation>
    </message>
    <message>
        <source>微分音の音符 %1 個は近い半音の高さで読み込みました。</source>
        <translation>Microtonal notes read at the nearest semitone: %1.</translation>
    </message>
    <message>
        <source>文字 %1 個は読み込みませんでした。</source>
        <translation>Texts not read: %1.</translation>
    </message>
    <message>
        <source>クレッシェンド・デクレッシェンドの記号 %1 個は読み込みませんでした。</source>
        <translation>Crescendo and decrescendo marks not read: %1.</translation>
    </message>
    <message>
        <source>コードネーム %1 個は読み込みませんでした。</source>
        <translation>Chord symbols not read: %1.</translation>
    </message>
    <message>
        <source>sf・fp などの強弱記号 %1 個は読み込みませんでした。</source>
        <translation>Dynamics such as sf and fp not read: %1.</translation>
    </message>
    <message>
        <source>ペダル記号 %1 個は読み込みませんでした。</source>
        <translation>Pedal marks not read: %1.</translation>
    </message>
    <message>
        <source>8va などのオクターブ記号 %1 個は読み込まず、音符を実際の高さで書きました。</source>
        <translation>Octave signs such as 8va not read, their notes written at sounding pitch: %1.</translation>
    </message>
    <message>
        <source>その他の指示 %1 個は読み込みませんでした。</source>
        <translation>Other directions not read: %1.</translation>
    </message>
    <message>
        <source>移調楽器のパート %1 個は実音の高さで読み込みました。</source>
        <translation>Parts for transposing instruments read at concert pitch: %1.</translation>
    </message>
    <message>
        <source>1 番・2 番かっこや回数の指定のある繰り返し %1 か所は、演奏する順に書き出しました。</source>
        <translation>Repeats with endings or a number of times, written out in playing order: %1.</translation>
    </message>
    <message>
        <source>途中で変わる速さの指定 %1 個は読み込まず、最初の速さで通しました。</source>
        <translation>Tempo changes not read, the first tempo kept throughout: %1.</translation>
    </message>
    <message>
        <source>この楽譜にない速さの指定 %1 個は近い速さにしました。</source>
        <translation>Tempo marks this score cannot hold, set to the nearest tempo: %1.</translation>
    </message>
    <message>
        <source>譜表に書けない高さの音符 %1 個は読み込みませんでした。</source>
        <translation>Notes too high or too low for the staff not read: %1.</translation>
    </message>
    <message>
        <source>この楽譜にない音部記号・調号・拍子記号 %1 個は読み込みませんでした。</source>
        <translation>Clefs, key signatures and time signatures this score cannot hold, not read: %1.</translation>
    </message>
    <message>
        <source>257 番目以降のパート %1 個は読み込みませんでした。</source>
        <translation>Parts after the 256th not read: %1.</translation>
    </message>
    <message>
        <source>32767 より後ろの位置の記号 %1 個は読み込みませんでした。</source>
        <translation>Symbols after position 32767 not read: %1.</translation>
    </message>
    <message>
        <source>この楽譜に書けないものは、読み込むときに次のとおり省きました。%1</source>
        <translation>What this score cannot hold was left out while reading, as follows.%1</translation>
    </message>
    <message>
        <source>MusicXML ファイルが壊れています (%1 バイト目: %2)。</source>
        <translation>The MusicXML file is damaged (byte %1: %2).</translation>
    </message>
    <message>
        <source>score-timewise 形式の MusicXML には対応していません。score-partwise 形式で保存したものを開いてください。</source>
        <translation>MusicXML in the score-timewise form is not supported. Open a copy saved in the score-partwise form.</translation>
    </message>
    <message>
        <source>MusicXML ファイルではありません。</source>
        <translation>This is not a MusicXML file.</translation>
    </message>
    <message>
        <source>MusicXML ファイルにパートがありません。</source>
        <translation>The MusicXML file has no parts.</translation>
    </message>
    <message>
        <source>UTF-16 の MusicXML ファイルの要素が上限の 300 万個を超えるため読み込めません。</source>
        <translation>The UTF-16 MusicXML file cannot be read: it has more than 3 million elements, the limit.</translation>
    </message>
    <message>
        <source>読み込めません</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>UTF-16 の MusicXML ファイルの大きさが上限の 48 MB を超えるため読み込めません。</source>
        <translation>The UTF-16 MusicXML file cannot be read: it is larger than 48 MB, the limit.</translation>
    </message>
    <message>
        <source>MusicXML ファイルの大きさが上限の 2 GB を超えるため読み込めません。</source>
        <translation>The MusicXML file cannot be read: it is larger than 2 GB, the limit.</translation>
    </message>
    <message>
        <source>MusicXML ファイルのパートなどの要素 1 つが上限の 96 MB を超えるため読み込めません。</source>
        <translation>The MusicXML file cannot be read: one part or other element is larger than 96 MB, the limit.</translation>
    </message>
    <message>
        <source>MusicXML ファイルのパート 1 つに含まれる要素が上限の 300 万個を超えるため読み込めません。</source>
        <translation>The MusicXML file cannot be read: one part has more than 3 million elements, the limit.</translation>
    </message>
    <message>
        <source>MusicXML ファイルのパートなどの要素の数が上限の 65536 個を超えるため読み込めません。</source>
        <translation>The MusicXML file cannot be read: it has more than 65536 parts and other elements, the limit.</translation>
    </message>
    <message>
        <source>対応しない終了タグ</source>
        <translation>unmatched end tag</translation>
    </message>
    <message>
        <source>途中で終わっています</source>
        <translation>the file ends too early</translation>
    </message>
    <message>
        <source>圧縮された MusicXML ファイルの大きさが上限の 512 MB を超えるため読み込めません。</source>
        <translation>The compressed MusicXML file cannot be read: it is larger than 512 MB, the limit.</translation>
    </message>
    <message>
        <source>圧縮された MusicXML ファイルが壊れているか、楽譜が入っていません。</source>
        <translation>The compressed MusicXML file is damaged or holds no score.</translation>
    </message>
    <message>
        <source>メモリーが足りないため MusicXML ファイルを読み込めません。</source>
        <translation>There is not enough memory to read the MusicXML file.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません。</source>
        <translation>There is not enough free disk space.</translation>
    </message>
    <message>
        <source>ファイルが大きすぎて書き込めません。</source>
        <translation>The file is too large to be written.</translation>
    </message>
    <message>
        <source>この場所に書き込む権限がありません。</source>
        <translation>You do not have permission to write here.</translation>
    </message>
    <message>
        <source>このファイルを読む権限がありません。</source>
        <translation>You do not have permission to read this file.</translation>
    </message>
    <message>
        <source>読み取り専用の場所には保存できません。</source>
        <translation>Nothing can be saved in a read-only place.</translation>
    </message>
    <message>
        <source>保存先のフォルダが見つかりません。</source>
        <translation>The folder to save in was not found.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>The file was not found.</translation>
    </message>
    <message>
        <source>フォルダが指定されました。</source>
        <translation>A folder was given.</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます。</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>データが届きませんでした。書き込む側が始まっているか確かめてください。</source>
        <translation>No data arrived. Check that the program writing it has started.</translation>
    </message>
    <message>
        <source>ディスクの読み書きでエラーが起きました。</source>
        <translation>An error occurred while reading or writing the disk.</translation>
    </message>
    <message>
        <source>ファイルを書き込めません(%1)。</source>
        <translation>The file cannot be written (%1).</translation>
    </message>
    <message>
        <source>ファイルを読み込めません(%1)。</source>
        <translation>The file cannot be read (%1).</translation>
    </message>
    <message>
        <source>このファイルを開くことはできません。
最新バージョンのSORN楽譜エディタをご使用ください。</source>
        <translation>This file cannot be opened.
Please use the latest version of SORN Score Editor.</translation>
    </message>
    <message>
        <source>ファイル形式が新しいため、一部表示できない可能性があります</source>
        <translation>The file format is newer, so some parts may not be shown</translation>
    </message>
    <message>
        <source>このファイルは壊れているため開くことができません。
開いている楽譜はそのまま残ります。</source>
        <translation>This file is damaged and cannot be opened.
The open score stays as it is.</translation>
    </message>
    <message>
        <source>この楽譜の曲名・パート名・歌詞の一部を読み込めませんでした。
音符はすべて開きました。読み込めた文字は保存すると残ります。</source>
        <translation>Some of the title, part names and lyrics of this score could not be read.
All notes were opened. The text that was read is kept when you save.</translation>
    </message>
    <message>
        <source>このファイルは壊れているため開くことができません。</source>
        <translation>This file is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>ファイルを開くことができませんでした。
%1
%2</source>
        <translation>The file could not be opened.
%1
%2</translation>
    </message>
    <message>
        <source>楽譜を保存できませんでした。元のファイルは変更されていません。
%1
%2</source>
        <translation>The score could not be saved. The original file is unchanged.
%1
%2</translation>
    </message>
    <message>
        <source>SoundFont が見つかりません: %1</source>
        <translation>The SoundFont was not found: %1</translation>
    </message>
    <message>
        <source>音声を作る音源 (General MIDI の SoundFont) が見つかりません。Debian のパッケージ fluid-soundfont-gm か timgm6mb-soundfont を入れるか、SoundFont (.sf2) を指定してください。</source>
        <translation>No sound source (a General MIDI SoundFont) was found to make the audio. Install the Debian package fluid-soundfont-gm or timgm6mb-soundfont, or give a SoundFont (.sf2).</translation>
    </message>
    <message>
        <source>FLAC と Ogg Vorbis を書くライブラリ libsndfile を読み込めませんでした (Debian のパッケージ libsndfile1)。</source>
        <translation>The library libsndfile that writes FLAC and Ogg Vorbis could not be loaded (Debian package libsndfile1).</translation>
    </message>
    <message>
        <source>音声ファイルを作れませんでした。%1</source>
        <translation>The audio file could not be made. %1</translation>
    </message>
    <message>
        <source>音声を書き込めませんでした。%1</source>
        <translation>The audio could not be written. %1</translation>
    </message>
    <message>
        <source>音声を作る FluidSynth を読み込めませんでした (Debian のパッケージ libfluidsynth3)。
%1</source>
        <translation>FluidSynth, which makes the audio, could not be loaded (Debian package libfluidsynth3).
%1</translation>
    </message>
    <message>
        <source>作業用のフォルダを作れませんでした。</source>
        <translation>The working folder could not be made.</translation>
    </message>
    <message>
        <source>FluidSynth を始められませんでした。</source>
        <translation>FluidSynth could not be started.</translation>
    </message>
    <message>
        <source>SoundFont を読み込めませんでした。
%1</source>
        <translation>The SoundFont could not be loaded.
%1</translation>
    </message>
    <message>
        <source>MIDI の演奏を始められませんでした。</source>
        <translation>The MIDI playback could not be started.</translation>
    </message>
    <message>
        <source>音声は .wav, .flac, .ogg のどれかで保存してください: %1</source>
        <translation>Save audio as .wav, .flac or .ogg: %1</translation>
    </message>
    <message>
        <source>音声ファイルを書き出せませんでした。
%1
%2</source>
        <translation>The audio file could not be written.
%1
%2</translation>
    </message>
    <message>
        <source>フォルダを作れませんでした: %1
%2</source>
        <translation>The folder could not be made: %1
%2</translation>
    </message>
    <message>
        <source>パート %1</source>
        <translation>Part %1</translation>
    </message>
    <message>
        <source>%1%2</source>
        <translation>Error %1: %2</translation>
    </message>
    <message>
        <source>中止しました。</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>テンポが0以下のためMIDIファイルを作れません。曲の情報でテンポを1以上にしてください。</source>
        <translation>The tempo is 0 or less, so no MIDI file can be made. Set the tempo to 1 or more in the score properties.</translation>
    </message>
    <message>
        <source>テンポ %1 はMIDIファイルで表せるより遅いため書き出せません。テンポを4以上にしてください。</source>
        <translation>Tempo %1 is slower than a MIDI file can represent, so it cannot be exported. Set the tempo to 4 or more.</translation>
    </message>
    <message>
        <source>%1 の位置 %2 までの音または休みが長すぎてMIDIファイルに書けません。</source>
        <translation>The notes or rests up to position %2 of %1 are too long to be written to a MIDI file.</translation>
    </message>
    <message>
        <source>%1 の位置 %2 の音符の高さ(%3)が音にできる範囲(0～127)を外れています。</source>
        <translation>The pitch (%3) of the note at position %2 of %1 is outside the range that can be sounded (0–127).</translation>
    </message>
    <message>
        <source>%1 の位置 %2 までの音が長すぎてWAVファイルに書けません(WAVファイルは4GBまでです)。</source>
        <translation>The sound up to position %2 of %1 is too long to be written to a WAV file (a WAV file holds at most 4 GB).</translation>
    </message>
    <message>
        <source>テンポが0以下のためWAVファイルを作れません。曲の情報でテンポを1以上にしてください。</source>
        <translation>The tempo is 0 or less, so no WAV file can be made. Set the tempo to 1 or more in the score properties.</translation>
    </message>
    <message>
        <source>音色ファイル「%1」</source>
        <translation>Timbre file “%1”</translation>
    </message>
    <message>
        <source>%1が見つかりません。</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1を読む権限がありません。</source>
        <translation>You do not have permission to read %1.</translation>
    </message>
    <message>
        <source>%1はフォルダです。</source>
        <translation>%1 is a folder.</translation>
    </message>
    <message>
        <source>%1を読めません(%2)。</source>
        <translation>%1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>%1は大きすぎます。音色ファイルは1 MB(%2バイト)までです。</source>
        <translation>%1 is too large. A timbre file holds at most 1 MB (%2 bytes).</translation>
    </message>
    <message>
        <source>%1はテキストファイルではありません。</source>
        <translation>%1 is not a text file.</translation>
    </message>
    <message>
        <source>%1にsinの行がありません。「sin 倍音の番号 強さ」の行を1行以上書いてください。</source>
        <translation>%1 has no sin lines. Write at least one line “sin harmonic-number strength”.</translation>
    </message>
    <message>
        <source>%1はsinの行が多すぎます。sinの行は%2行までです。</source>
        <translation>%1 has too many sin lines. At most %2 sin lines are allowed.</translation>
    </message>
    <message>
        <source>%1の%2行目「%3」が読めません。sinの行は「sin 倍音の番号 強さ」の形で、単語の間を空白1つで区切ってください。</source>
        <translation>Line %2 of %1, “%3”, cannot be read. Write sin lines as “sin harmonic-number strength”, with one space between words.</translation>
    </message>
    <message>
        <source>%1の%2行目までの波を足すと16ビットの範囲を超えます。強さの合計を1以下にしてください。</source>
        <translation>The waves of %1 up to line %2 add up to more than 16 bits can hold. Keep the sum of the strengths at 1 or less.</translation>
    </message>
    <message>
        <source>「%1」は音色ファイル(.hki または .hki2)ではありません。</source>
        <translation>“%1” is not a timbre file (.hki or .hki2).</translation>
    </message>
    <message>
        <source>SoundFont が見つからないため、入力した音は鳴りません。</source>
        <translation>No SoundFont was found, so the notes entered are not heard.</translation>
    </message>
    <message>
        <source>FluidSynth を読み込めないため、入力した音は鳴りません。</source>
        <translation>FluidSynth could not be loaded, so the notes entered are not heard.</translation>
    </message>
    <message>
        <source>FluidSynth を始められないため、入力した音は鳴りません。</source>
        <translation>FluidSynth could not be started, so the notes entered are not heard.</translation>
    </message>
    <message>
        <source>音を出す装置がないため、入力した音は鳴りません。</source>
        <translation>There is no sound device, so the notes entered are not heard.</translation>
    </message>
    <message>
        <source>SoundFont を読み込めないため、入力した音は鳴りません。</source>
        <translation>The SoundFont could not be loaded, so the notes entered are not heard.</translation>
    </message>
    <message>
        <source>試聴に使う音源（General MIDI の SoundFont）が見つかりません。
次のどれかに .sf2 ファイルを置くか、環境変数 SORN_SOUNDFONT に .sf2 ファイルを指定してください。</source>
        <translation>The sound for listening (a General MIDI SoundFont) was not found.
Put a .sf2 file in one of the following places, or name a .sf2 file in the environment variable SORN_SOUNDFONT.</translation>
    </message>
    <message>
        <source>試聴に使う FluidSynth を読み込めませんでした。
%1</source>
        <translation>FluidSynth, used for listening, could not be loaded.
%1</translation>
    </message>
</context>
<context>
    <name>Instruments</name>
    <message>
        <source>グランドピアノ</source>
        <translation>Acoustic Grand Piano</translation>
    </message>
    <message>
        <source>ブライトピアノ</source>
        <translation>Bright Acoustic Piano</translation>
    </message>
    <message>
        <source>エレクトリックグランドピアノ</source>
        <translation>Electric Grand Piano</translation>
    </message>
    <message>
        <source>ホンキートンクピアノ</source>
        <translation>Honky-tonk Piano</translation>
    </message>
    <message>
        <source>エレクトリックピアノ1</source>
        <translation>Electric Piano 1</translation>
    </message>
    <message>
        <source>エレクトリックピアノ2</source>
        <translation>Electric Piano 2</translation>
    </message>
    <message>
        <source>ハープシコード</source>
        <translation>Harpsichord</translation>
    </message>
    <message>
        <source>クラビネット</source>
        <translation>Clavi</translation>
    </message>
    <message>
        <source>チェレスタ</source>
        <translation>Celesta</translation>
    </message>
    <message>
        <source>グロッケンシュピール</source>
        <translation>Glockenspiel</translation>
    </message>
    <message>
        <source>オルゴール</source>
        <translation>Music Box</translation>
    </message>
    <message>
        <source>ヴィブラフォン</source>
        <translation>Vibraphone</translation>
    </message>
    <message>
        <source>マリンバ</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>シロフォン</source>
        <translation>Xylophone</translation>
    </message>
    <message>
        <source>チューブラーベル</source>
        <translation>Tubular Bells</translation>
    </message>
    <message>
        <source>ダルシマー</source>
        <translation>Dulcimer</translation>
    </message>
    <message>
        <source>ドローバーオルガン</source>
        <translation>Drawbar Organ</translation>
    </message>
    <message>
        <source>パーカッシブオルガン</source>
        <translation>Percussive Organ</translation>
    </message>
    <message>
        <source>ロックオルガン</source>
        <translation>Rock Organ</translation>
    </message>
    <message>
        <source>チャーチオルガン</source>
        <translation>Church Organ</translation>
    </message>
    <message>
        <source>リードオルガン</source>
        <translation>Reed Organ</translation>
    </message>
    <message>
        <source>アコーディオン</source>
        <translation>Accordion</translation>
    </message>
    <message>
        <source>ハーモニカ</source>
        <translation>Harmonica</translation>
    </message>
    <message>
        <source>タンゴアコーディオン</source>
        <translation>Tango Accordion</translation>
    </message>
    <message>
        <source>ナイロン弦ギター</source>
        <translation>Acoustic Guitar (nylon)</translation>
    </message>
    <message>
        <source>スチール弦ギター</source>
        <translation>Acoustic Guitar (steel)</translation>
    </message>
    <message>
        <source>ジャズギター</source>
        <translation>Electric Guitar (jazz)</translation>
    </message>
    <message>
        <source>クリーンギター</source>
        <translation>Electric Guitar (clean)</translation>
    </message>
    <message>
        <source>ミュートギター</source>
        <translation>Electric Guitar (muted)</translation>
    </message>
    <message>
        <source>オーバードライブギター</source>
        <translation>Overdriven Guitar</translation>
    </message>
    <message>
        <source>ディストーションギター</source>
        <translation>Distortion Guitar</translation>
    </message>
    <message>
        <source>ギターハーモニクス</source>
        <translation>Guitar harmonics</translation>
    </message>
    <message>
        <source>アコースティックベース</source>
        <translation>Acoustic Bass</translation>
    </message>
    <message>
        <source>フィンガーベース</source>
        <translation>Electric Bass (finger)</translation>
    </message>
    <message>
        <source>ピックベース</source>
        <translation>Electric Bass (pick)</translation>
    </message>
    <message>
        <source>フレットレスベース</source>
        <translation>Fretless Bass</translation>
    </message>
    <message>
        <source>スラップベース1</source>
        <translation>Slap Bass 1</translation>
    </message>
    <message>
        <source>スラップベース2</source>
        <translation>Slap Bass 2</translation>
    </message>
    <message>
        <source>シンセベース 1</source>
        <translation>Synth Bass 1</translation>
    </message>
    <message>
        <source>シンセベース 2</source>
        <translation>Synth Bass 2</translation>
    </message>
    <message>
        <source>ヴァイオリン</source>
        <translation>Violin</translation>
    </message>
    <message>
        <source>ヴィオラ</source>
        <translation>Viola</translation>
    </message>
    <message>
        <source>チェロ</source>
        <translation>Cello</translation>
    </message>
    <message>
        <source>コントラバス</source>
        <translation>Contrabass</translation>
    </message>
    <message>
        <source>トレモロ・ストリングス</source>
        <translation>Tremolo Strings</translation>
    </message>
    <message>
        <source>ピチカート・ストリングス</source>
        <translation>Pizzicato Strings</translation>
    </message>
    <message>
        <source>ハープ</source>
        <translation>Orchestral Harp</translation>
    </message>
    <message>
        <source>ティンパニ</source>
        <translation>Timpani</translation>
    </message>
    <message>
        <source>ストリングス 1</source>
        <translation>String Ensemble 1</translation>
    </message>
    <message>
        <source>ストリングス 2</source>
        <translation>String Ensemble 2</translation>
    </message>
    <message>
        <source>シンセストリングス 1</source>
        <translation>SynthStrings 1</translation>
    </message>
    <message>
        <source>シンセストリングス 2</source>
        <translation>SynthStrings 2</translation>
    </message>
    <message>
        <source>コーラスアー</source>
        <translation>Choir Aahs</translation>
    </message>
    <message>
        <source>ボイスウー</source>
        <translation>Voice Oohs</translation>
    </message>
    <message>
        <source>シンセボイス</source>
        <translation>Synth Voice</translation>
    </message>
    <message>
        <source>オーケストラヒット</source>
        <translation>Orchestra Hit</translation>
    </message>
    <message>
        <source>トランペット</source>
        <translation>Trumpet</translation>
    </message>
    <message>
        <source>トロンボーン</source>
        <translation>Trombone</translation>
    </message>
    <message>
        <source>チューバ</source>
        <translation>Tuba</translation>
    </message>
    <message>
        <source>ミュートトランペット</source>
        <translation>Muted Trumpet</translation>
    </message>
    <message>
        <source>フレンチホルン</source>
        <translation>French Horn</translation>
    </message>
    <message>
        <source>ブラスセクション</source>
        <translation>Brass Section</translation>
    </message>
    <message>
        <source>シンセブラス1</source>
        <translation>SynthBrass 1</translation>
    </message>
    <message>
        <source>シンセブラス2</source>
        <translation>SynthBrass 2</translation>
    </message>
    <message>
        <source>ソプラノサックス</source>
        <translation>Soprano Sax</translation>
    </message>
    <message>
        <source>アルトサックス</source>
        <translation>Alto Sax</translation>
    </message>
    <message>
        <source>テナーサックス</source>
        <translation>Tenor Sax</translation>
    </message>
    <message>
        <source>バリトンサックス</source>
        <translation>Baritone Sax</translation>
    </message>
    <message>
        <source>オーボエ</source>
        <translation>Oboe</translation>
    </message>
    <message>
        <source>イングリッシュホルン</source>
        <translation>English Horn</translation>
    </message>
    <message>
        <source>バスーン</source>
        <translation>Bassoon</translation>
    </message>
    <message>
        <source>クラリネット</source>
        <translation>Clarinet</translation>
    </message>
    <message>
        <source>ピッコロ</source>
        <translation>Piccolo</translation>
    </message>
    <message>
        <source>フルート</source>
        <translation>Flute</translation>
    </message>
    <message>
        <source>リコーダー</source>
        <translation>Recorder</translation>
    </message>
    <message>
        <source>パンフルート</source>
        <translation>Pan Flute</translation>
    </message>
    <message>
        <source>ボトルブロー</source>
        <translation>Blown Bottle</translation>
    </message>
    <message>
        <source>尺八</source>
        <translation>Shakuhachi</translation>
    </message>
    <message>
        <source>口笛</source>
        <translation>Whistle</translation>
    </message>
    <message>
        <source>オカリナ</source>
        <translation>Ocarina</translation>
    </message>
    <message>
        <source>矩形波</source>
        <translation>Lead 1 (square)</translation>
    </message>
    <message>
        <source>ノコギリ波</source>
        <translation>Lead 2 (sawtooth)</translation>
    </message>
    <message>
        <source>カリオペ</source>
        <translation>Lead 3 (calliope)</translation>
    </message>
    <message>
        <source>チフ</source>
        <translation>Lead 4 (chiff)</translation>
    </message>
    <message>
        <source>チャランゴ</source>
        <translation>Lead 5 (charang)</translation>
    </message>
    <message>
        <source>ボイス</source>
        <translation>Lead 6 (voice)</translation>
    </message>
    <message>
        <source>５度</source>
        <translation>Lead 7 (fifths)</translation>
    </message>
    <message>
        <source>ベース+リード</source>
        <translation>Lead 8 (bass + lead)</translation>
    </message>
    <message>
        <source>ニューエイジ</source>
        <translation>Pad 1 (new age)</translation>
    </message>
    <message>
        <source>ウォーム</source>
        <translation>Pad 2 (warm)</translation>
    </message>
    <message>
        <source>ポリシンセ</source>
        <translation>Pad 3 (polysynth)</translation>
    </message>
    <message>
        <source>クワイア</source>
        <translation>Pad 4 (choir)</translation>
    </message>
    <message>
        <source>ボウ</source>
        <translation>Pad 5 (bowed)</translation>
    </message>
    <message>
        <source>メタリック</source>
        <translation>Pad 6 (metallic)</translation>
    </message>
    <message>
        <source>ハロー</source>
        <translation>Pad 7 (halo)</translation>
    </message>
    <message>
        <source>スウィープ</source>
        <translation>Pad 8 (sweep)</translation>
    </message>
    <message>
        <source>雨</source>
        <translation>FX 1 (rain)</translation>
    </message>
    <message>
        <source>サウンドトラック</source>
        <translation>FX 2 (soundtrack)</translation>
    </message>
    <message>
        <source>クリスタル</source>
        <translation>FX 3 (crystal)</translation>
    </message>
    <message>
        <source>アトモスフィア</source>
        <translation>FX 4 (atmosphere)</translation>
    </message>
    <message>
        <source>ブライトネス</source>
        <translation>FX 5 (brightness)</translation>
    </message>
    <message>
        <source>ゴブリン</source>
        <translation>FX 6 (goblins)</translation>
    </message>
    <message>
        <source>エコー</source>
        <translation>FX 7 (echoes)</translation>
    </message>
    <message>
        <source>SF</source>
        <translation>FX 8 (sci-fi)</translation>
    </message>
    <message>
        <source>シタール</source>
        <translation>Sitar</translation>
    </message>
    <message>
        <source>バンジョー</source>
        <translation>Banjo</translation>
    </message>
    <message>
        <source>三味線</source>
        <translation>Shamisen</translation>
    </message>
    <message>
        <source>琴</source>
        <translation>Koto</translation>
    </message>
    <message>
        <source>カリンバ</source>
        <translation>Kalimba</translation>
    </message>
    <message>
        <source>バグパイプ</source>
        <translation>Bag pipe</translation>
    </message>
    <message>
        <source>フィドル</source>
        <translation>Fiddle</translation>
    </message>
    <message>
        <source>シャナイ</source>
        <translation>Shanai</translation>
    </message>
    <message>
        <source>ティンクルベル</source>
        <translation>Tinkle Bell</translation>
    </message>
    <message>
        <source>アゴゴ</source>
        <translation>Agogo</translation>
    </message>
    <message>
        <source>スチールドラム</source>
        <translation>Steel Drums</translation>
    </message>
    <message>
        <source>ウッドブロック</source>
        <translation>Woodblock</translation>
    </message>
    <message>
        <source>太鼓</source>
        <translation>Taiko Drum</translation>
    </message>
    <message>
        <source>メロディックタム</source>
        <translation>Melodic Tom</translation>
    </message>
    <message>
        <source>シンセドラム</source>
        <translation>Synth Drum</translation>
    </message>
    <message>
        <source>リバースシンバル</source>
        <translation>Reverse Cymbal</translation>
    </message>
    <message>
        <source>ギターフレットノイズ</source>
        <translation>Guitar Fret Noise</translation>
    </message>
    <message>
        <source>ブレスノイズ</source>
        <translation>Breath Noise</translation>
    </message>
    <message>
        <source>海岸</source>
        <translation>Seashore</translation>
    </message>
    <message>
        <source>鳥のさえずり</source>
        <translation>Bird Tweet</translation>
    </message>
    <message>
        <source>電話のベル</source>
        <translation>Telephone Ring</translation>
    </message>
    <message>
        <source>ヘリコプター</source>
        <translation>Helicopter</translation>
    </message>
    <message>
        <source>拍手</source>
        <translation>Applause</translation>
    </message>
    <message>
        <source>ガンショット</source>
        <translation>Gunshot</translation>
    </message>
</context>
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
