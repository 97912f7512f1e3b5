#include "catalogue/property_records.h"

#include <iterator>

namespace {
// controlType, name, description, kind, choices, example
const PropertyText kPropertyTexts[] = {
    // button
    {u"button", u"caption", u"Text label on the button face", PropertyKind::text, u"", u"e.g. Click Me"},
    {u"button", u"style", u"Visual style", PropertyKind::choice, u"primary|secondary|ghost|danger|success|warning|link", u""},
    {u"button", u"shape", u"Corner shape", PropertyKind::choice, u"rounded|rectangle|pill|square", u""},
    {u"button", u"borderRadius", u"Corner rounding in pixels", PropertyKind::number, u"", u"e.g. 8"},
    {u"button", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"button", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // label
    {u"label", u"caption", u"Text displayed in the label", PropertyKind::text, u"", u"e.g. Hello World!"},
    {u"label", u"wordWrap", u"Wrap long text onto multiple lines", PropertyKind::boolean, u"true|false", u""},
    {u"label", u"truncate", u"Cut off long text with ...", PropertyKind::boolean, u"true|false", u""},
    {u"label", u"bgTransparent", u"Transparent background", PropertyKind::boolean, u"true|false", u""},
    {u"label", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"label", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // textInput
    {u"textInput", u"value", u"Current text in the field", PropertyKind::text, u"", u"e.g. John Smith"},
    {u"textInput", u"filename", u"File path to load - fetches plain text into the field", PropertyKind::file, u"", u"e.g. [PubDir]notes.txt"},
    {u"textInput", u"placeholder", u"Hint shown when field is empty", PropertyKind::text, u"", u"e.g. Enter your name..."},
    {u"textInput", u"inputType", u"Keyboard and validation mode", PropertyKind::choice, u"text|password|number|email|url|tel|search|date|time", u""},
    {u"textInput", u"readOnly", u"Prevent editing", PropertyKind::boolean, u"true|false", u""},
    {u"textInput", u"spellCheck", u"Enable spell check", PropertyKind::boolean, u"true|false", u""},
    {u"textInput", u"maxLength", u"Maximum characters allowed", PropertyKind::number, u"", u"e.g. 255"},
    {u"textInput", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"textInput", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // textArea
    {u"textArea", u"value", u"Multi-line text in the field", PropertyKind::text, u"", u"e.g. Line one"},
    {u"textArea", u"placeholder", u"Hint shown when field is empty", PropertyKind::text, u"", u"e.g. Type your message..."},
    {u"textArea", u"readOnly", u"Prevent editing", PropertyKind::boolean, u"true|false", u""},
    {u"textArea", u"maxLength", u"Maximum characters allowed", PropertyKind::number, u"", u"e.g. 500"},
    {u"textArea", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"textArea", u"filename", u"File path to load - fetches plain text into the field", PropertyKind::file, u"", u"e.g. [PubDir]notes.txt"},
    {u"textArea", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // richText
    {u"richText", u"value", u"HTML content of the rich text area", PropertyKind::text, u"", u"e.g. <b>Hello</b> World"},
    {u"richText", u"filename", u"File path to load - fetches HTML into control", PropertyKind::file, u"", u"e.g. [PubDir]article.html"},
    {u"richText", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"richText", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // checkBox
    {u"checkBox", u"caption", u"Label text next to the checkbox", PropertyKind::text, u"", u"e.g. I agree to the terms"},
    {u"checkBox", u"checked", u"Whether the checkbox is ticked", PropertyKind::boolean, u"true|false", u""},
    {u"checkBox", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"checkBox", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // radioButton
    {u"radioButton", u"caption", u"Label text next to the radio button", PropertyKind::text, u"", u"e.g. Option A"},
    {u"radioButton", u"checked", u"Whether this radio is selected", PropertyKind::boolean, u"true|false", u""},
    {u"radioButton", u"group", u"Group name - only one per group selected", PropertyKind::text, u"", u"e.g. colorGroup"},
    {u"radioButton", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"radioButton", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // switch
    {u"switch", u"checked", u"Current switch state", PropertyKind::boolean, u"true|false", u""},
    {u"switch", u"caption", u"Label text beside the switch", PropertyKind::text, u"", u"e.g. Dark Mode"},
    {u"switch", u"labelOn", u"Label shown when switch is on", PropertyKind::text, u"", u"e.g. ON"},
    {u"switch", u"labelOff", u"Label shown when switch is off", PropertyKind::text, u"", u"e.g. OFF"},
    {u"switch", u"showLabel", u"Show the on/off label text", PropertyKind::boolean, u"true|false", u""},
    {u"switch", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"switch", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // slider
    {u"slider", u"value", u"Current thumb position", PropertyKind::number, u"", u"e.g. 50"},
    {u"slider", u"min", u"Minimum value", PropertyKind::number, u"", u"e.g. 0"},
    {u"slider", u"max", u"Maximum value", PropertyKind::number, u"", u"e.g. 100"},
    {u"slider", u"step", u"Amount per click or key press", PropertyKind::number, u"", u"e.g. 1"},
    {u"slider", u"orientation", u"Slider direction", PropertyKind::choice, u"horizontal|vertical", u""},
    {u"slider", u"showValue", u"Show numeric label beside thumb", PropertyKind::boolean, u"true|false", u""},
    {u"slider", u"trackColor", u"Filled track color", PropertyKind::color, u"", u"e.g. #4466ff"},
    {u"slider", u"thumbColor", u"Thumb handle color", PropertyKind::color, u"", u"e.g. #ffffff"},
    {u"slider", u"thumbShape", u"Thumb shape", PropertyKind::choice, u"round|square", u""},
    {u"slider", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"slider", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // comboBox
    {u"comboBox", u"items", u"Pipe-separated dropdown options", PropertyKind::text, u"", u"e.g. Red|Green|Blue|Yellow"},
    {u"comboBox", u"selectedIndex", u"Selected item index (0=first, -1=none)", PropertyKind::number, u"", u"e.g. 0  or  -1"},
    {u"comboBox", u"placeholder", u"Hint shown when nothing selected", PropertyKind::text, u"", u"e.g. Choose a color..."},
    {u"comboBox", u"searchable", u"Add a search filter inside the dropdown", PropertyKind::boolean, u"true|false", u""},
    {u"comboBox", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"comboBox", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // listBox
    {u"listBox", u"items", u"Pipe-separated list rows", PropertyKind::text, u"", u"e.g. Apple|Banana|Cherry|Date"},
    {u"listBox", u"selectedIndex", u"Highlighted row index (0=first, -1=none)", PropertyKind::number, u"", u"e.g. 0  or  -1"},
    {u"listBox", u"checkedItems", u"Pipe-separated labels of checked rows", PropertyKind::text, u"", u"e.g. Apple|Cherry  (text only, no icon token)"},
    {u"listBox", u"checkedIndices", u"Pipe-separated indices of checked rows", PropertyKind::text, u"", u"e.g. 0|2|4  (0-based)"},
    {u"listBox", u"checked", u"Checkbox state of the selected row", PropertyKind::boolean, u"true|false", u""},
    {u"listBox", u"multiSelect", u"Allow multiple rows to be selected", PropertyKind::boolean, u"true|false", u""},
    {u"listBox", u"checkBoxMode", u"Show a checkbox on each row", PropertyKind::boolean, u"true|false", u""},
    {u"listBox", u"iconSize", u"Icon display size", PropertyKind::choice, u"text|small|medium", u""},
    {u"listBox", u"alternateRowColor", u"Alternate light/dark row shading", PropertyKind::boolean, u"true|false", u""},
    {u"listBox", u"itemHeight", u"Row height in pixels", PropertyKind::number, u"", u"e.g. 28"},
    {u"listBox", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"listBox", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // image
    {u"image", u"src", u"Image URL or file path", PropertyKind::file, u"", u"e.g. [PubDir]photo.jpg"},
    {u"image", u"filename", u"Alias for src - set to load a new image", PropertyKind::file, u"", u"e.g. [PubDir]photo.jpg"},
    {u"image", u"fit", u"How the image fills the control", PropertyKind::choice, u"contain|cover|fill|none|scale-down", u""},
    {u"image", u"alt", u"Text shown if image fails to load", PropertyKind::text, u"", u"e.g. Company logo"},
    {u"image", u"rotation", u"Rotate in 90-degree steps", PropertyKind::choice, u"0|90|180|270", u""},
    {u"image", u"flipH", u"Mirror image left-to-right", PropertyKind::boolean, u"true|false", u""},
    {u"image", u"flipV", u"Flip image upside-down", PropertyKind::boolean, u"true|false", u""},
    {u"image", u"filterBlur", u"Gaussian blur in px (0=sharp)", PropertyKind::number, u"", u"e.g. 0  or  4"},
    {u"image", u"filterGrayscale", u"Grayscale 0-100 (0=color, 100=B&W)", PropertyKind::number, u"", u"e.g. 0  or  100"},
    {u"image", u"filterBrightness", u"Brightness % (100=normal)", PropertyKind::number, u"", u"e.g. 100  or  150"},
    {u"image", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"image", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // rectangle
    {u"rectangle", u"fillColor", u"Solid fill color", PropertyKind::color, u"", u"e.g. #1a2b3c"},
    {u"rectangle", u"hollow", u"No fill, border only", PropertyKind::boolean, u"true|false", u""},
    {u"rectangle", u"borderRadius", u"Corner rounding in pixels", PropertyKind::number, u"", u"e.g. 8"},
    {u"rectangle", u"opacity", u"Transparency 0-100 (100=solid)", PropertyKind::number, u"", u"e.g. 100  or  50"},
    {u"rectangle", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"rectangle", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // oval
    {u"oval", u"fillColor", u"Solid fill color", PropertyKind::color, u"", u"e.g. #cc2244"},
    {u"oval", u"hollow", u"No fill, border only", PropertyKind::boolean, u"true|false", u""},
    {u"oval", u"opacity", u"Transparency 0-100 (100=solid)", PropertyKind::number, u"", u"e.g. 100"},
    {u"oval", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"oval", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // separator
    {u"separator", u"orientation", u"Line direction", PropertyKind::choice, u"horizontal|vertical", u""},
    {u"separator", u"style", u"Line style", PropertyKind::choice, u"solid|dashed|dotted|double", u""},
    {u"separator", u"thickness", u"Line thickness in pixels", PropertyKind::number, u"", u"e.g. 1  or  2"},
    {u"separator", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"separator", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // progressBar
    {u"progressBar", u"value", u"Current fill level", PropertyKind::number, u"", u"e.g. 50  (between min and max)"},
    {u"progressBar", u"min", u"Empty value", PropertyKind::number, u"", u"e.g. 0"},
    {u"progressBar", u"max", u"Full value", PropertyKind::number, u"", u"e.g. 100"},
    {u"progressBar", u"indeterminate", u"Animated spinner mode", PropertyKind::boolean, u"true|false", u""},
    {u"progressBar", u"showLabel", u"Show numeric label inside bar", PropertyKind::boolean, u"true|false", u""},
    {u"progressBar", u"orientation", u"Fill direction", PropertyKind::choice, u"horizontal|vertical", u""},
    {u"progressBar", u"color", u"Filled bar color", PropertyKind::color, u"", u"e.g. #4466ff"},
    {u"progressBar", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"progressBar", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // buttonBar
    {u"buttonBar", u"items", u"Pipe-separated button labels", PropertyKind::text, u"", u"e.g. Home|About|Contact"},
    {u"buttonBar", u"value", u"Select button by label text", PropertyKind::text, u"", u"e.g. About  (must match label exactly)"},
    {u"buttonBar", u"selectedIndex", u"Highlighted button (0-based, -1=none)", PropertyKind::number, u"", u"e.g. 0  or  -1"},
    {u"buttonBar", u"orientation", u"Button arrangement direction", PropertyKind::choice, u"horizontal|vertical", u""},
    {u"buttonBar", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"buttonBar", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // groupBox
    {u"groupBox", u"caption", u"Title text at top of the border", PropertyKind::text, u"", u"e.g. User Details"},
    {u"groupBox", u"captionColor", u"Title text color", PropertyKind::color, u"", u"e.g. #ffffff"},
    {u"groupBox", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"groupBox", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // container
    {u"container", u"hollow", u"Transparent fill", PropertyKind::boolean, u"true|false", u""},
    {u"container", u"padding", u"Inner spacing in pixels", PropertyKind::number, u"", u"e.g. 8"},
    {u"container", u"opacity", u"Transparency 0-100 (100=solid)", PropertyKind::number, u"", u"e.g. 100"},
    {u"container", u"scrollbars", u"Scrollbar visibility when content overflows", PropertyKind::choice, u"none|vertical|horizontal|both", u""},
    {u"container", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"container", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // tabControl
    {u"tabControl", u"tabs", u"Pipe-separated tab labels", PropertyKind::text, u"", u"e.g. General|Advanced|About"},
    {u"tabControl", u"selectedTab", u"Active tab index (0=first)", PropertyKind::number, u"", u"e.g. 0  (0=first tab)"},
    {u"tabControl", u"tabPosition", u"Tab button position", PropertyKind::choice, u"top|bottom", u""},
    {u"tabControl", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"tabControl", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // mediaPlayer
    {u"mediaPlayer", u"filename", u"Load a media file (ready to play)", PropertyKind::file, u"", u"e.g. [PubDir]music.mp3"},
    {u"mediaPlayer", u"playlist", u"Pipe-separated file paths or URLs", PropertyKind::text, u"", u"e.g. [PubDir]song.mp3|[PubDir]song2.mp3"},
    {u"mediaPlayer", u"command", u"Transport command", PropertyKind::choice, u"play|pause|stop|next|prev", u""},
    {u"mediaPlayer", u"volume", u"Volume 0-1000 (500=50%)", PropertyKind::number, u"", u"e.g. 500"},
    {u"mediaPlayer", u"autoPlay", u"Start playing when track loads", PropertyKind::boolean, u"true|false", u""},
    {u"mediaPlayer", u"loop", u"Repeat current track when it ends", PropertyKind::boolean, u"true|false", u""},
    {u"mediaPlayer", u"showPlaylist", u"Show the playlist panel", PropertyKind::boolean, u"true|false", u""},
    {u"mediaPlayer", u"showVisualizer", u"Show the audio visualizer bar", PropertyKind::boolean, u"true|false", u""},
    {u"mediaPlayer", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"mediaPlayer", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // table
    {u"table", u"rows", u"Pipe-separated rows, comma-separated cells", PropertyKind::text, u"", u"e.g. Alice,32,London|Bob,28,Paris"},
    {u"table", u"firstRowHeader", u"Treat first row as column headers", PropertyKind::boolean, u"true|false", u""},
    {u"table", u"showBorder", u"Show cell borders", PropertyKind::boolean, u"true|false", u""},
    {u"table", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"table", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},
    {u"table", u"filter", u"Filter rows by column: colIndex|value", PropertyKind::text, u"", u"e.g. 1|Engineering  (0-based col, case-insensitive)"},
    {u"table", u"search", u"Search all columns (case-insensitive)", PropertyKind::text, u"", u"e.g. alice  (empty string clears)"},
    {u"table", u"deleterow", u"Delete a row by index (0-based)", PropertyKind::text, u"", u"e.g. 0  (deletes the first row)"},
    {u"table", u"fontSize", u"Set table font size in pixels", PropertyKind::text, u"", u"e.g. 14"},
    {u"table", u"rowHeight", u"Set table row height in pixels", PropertyKind::text, u"", u"e.g. 28"},

    // statusBar
    {u"statusBar", u"segments", u"Pipe-separated label|value pairs", PropertyKind::text, u"", u"e.g. Status|Ready|Mode|Normal"},
    {u"statusBar", u"segment", u"Update one segment: index|newText", PropertyKind::text, u"", u"e.g. 0|Connected  or  1|Idle"},
    {u"statusBar", u"showBorder", u"Show border around the status bar", PropertyKind::boolean, u"true|false", u""},
    {u"statusBar", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"statusBar", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // searchBox
    {u"searchBox", u"value", u"Current search text", PropertyKind::text, u"", u"e.g. hello"},
    {u"searchBox", u"placeholder", u"Hint text shown when field is empty", PropertyKind::text, u"", u"e.g. Search..."},
    {u"searchBox", u"showClear", u"Show clear button when text is entered", PropertyKind::boolean, u"true|false", u""},
    {u"searchBox", u"debounce", u"Delay in ms before Search_Changed fires", PropertyKind::number, u"", u"e.g. 300"},
    {u"searchBox", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"searchBox", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // treeView
    {u"treeView", u"items", u"Pipe-separated nodes (2 spaces per depth)", PropertyKind::text, u"", u"e.g. Root|  Child 1|    Grandchild|  Child 2"},
    {u"treeView", u"expandAll", u"Expand all nodes on load", PropertyKind::boolean, u"true|false", u""},
    {u"treeView", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"treeView", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // progressSteps
    {u"progressSteps", u"steps", u"Pipe-separated step labels", PropertyKind::text, u"", u"e.g. Start|Details|Review|Done"},
    {u"progressSteps", u"currentStep", u"Active step number (1=first)", PropertyKind::number, u"", u"e.g. 1  (1=first step)"},
    {u"progressSteps", u"showLabels", u"Show step label text", PropertyKind::boolean, u"true|false", u""},
    {u"progressSteps", u"activeColor", u"Active step circle color", PropertyKind::color, u"", u"e.g. #4466ff"},
    {u"progressSteps", u"completeColor", u"Completed step circle color", PropertyKind::color, u"", u"e.g. #22aa44"},
    {u"progressSteps", u"inactiveColor", u"Inactive step circle color", PropertyKind::color, u"", u"e.g. #2a2a4a"},
    {u"progressSteps", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"progressSteps", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // countdownTimer
    {u"countdownTimer", u"command", u"Transport command", PropertyKind::choice, u"start|stop|reset", u""},
    {u"countdownTimer", u"seconds", u"Starting countdown value in seconds", PropertyKind::number, u"", u"e.g. 60  or  300"},
    {u"countdownTimer", u"start", u"Set to 1 to start the countdown", PropertyKind::number, u"", u"1  (triggers timer start)"},
    {u"countdownTimer", u"reset", u"Set to 1 to reset the countdown", PropertyKind::number, u"", u"1  (resets to starting seconds)"},
    {u"countdownTimer", u"format", u"Time display format", PropertyKind::choice, u"MM:SS|HH:MM:SS|Seconds", u""},
    {u"countdownTimer", u"label", u"Text label displayed above the timer", PropertyKind::text, u"", u"e.g. Time Remaining:"},
    {u"countdownTimer", u"autoStart", u"Start countdown on page load", PropertyKind::boolean, u"true|false", u""},
    {u"countdownTimer", u"color", u"Normal timer text color", PropertyKind::color, u"", u"e.g. #ffffff"},
    {u"countdownTimer", u"warnColor", u"Warning color when threshold reached", PropertyKind::color, u"", u"e.g. #ff4444"},
    {u"countdownTimer", u"warnAt", u"Seconds remaining when warning activates", PropertyKind::number, u"", u"e.g. 10"},
    {u"countdownTimer", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"countdownTimer", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // accordion
    {u"accordion", u"items", u"Pipe-separated Title|Body pairs", PropertyKind::text, u"", u"e.g. FAQ 1|Answer here|FAQ 2|Answer here"},
    {u"accordion", u"openIndex", u"Default open section (-1=all closed)", PropertyKind::number, u"", u"e.g. 0  or  -1"},
    {u"accordion", u"multiOpen", u"Allow multiple sections open at once", PropertyKind::boolean, u"true|false", u""},
    {u"accordion", u"headerColor", u"Header text color", PropertyKind::color, u"", u"e.g. #ffffff"},
    {u"accordion", u"headerBg", u"Header background color (closed)", PropertyKind::color, u"", u"e.g. #12121e"},
    {u"accordion", u"bodyColor", u"Body text color", PropertyKind::color, u"", u"e.g. #8080a0"},
    {u"accordion", u"bodyBg", u"Body background color", PropertyKind::color, u"", u"e.g. #0e0e1e"},
    {u"accordion", u"borderColor", u"Section border color", PropertyKind::color, u"", u"e.g. #2a2a4a"},
    {u"accordion", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"accordion", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // simpleChart
    {u"simpleChart", u"values", u"Pipe-separated numeric data values", PropertyKind::text, u"", u"e.g. 10|45|30|80|60"},
    {u"simpleChart", u"labels", u"Pipe-separated category labels", PropertyKind::text, u"", u"e.g. Jan|Feb|Mar|Apr|May"},
    {u"simpleChart", u"chartType", u"Chart type", PropertyKind::choice, u"bar|line", u""},
    {u"simpleChart", u"color", u"Primary data color", PropertyKind::color, u"", u"e.g. #4466ff"},
    {u"simpleChart", u"caption", u"Chart title text above the chart", PropertyKind::text, u"", u"e.g. Monthly Sales"},
    {u"simpleChart", u"showGrid", u"Show grid lines", PropertyKind::boolean, u"true|false", u""},
    {u"simpleChart", u"showValues", u"Show value labels on bars/points", PropertyKind::boolean, u"true|false", u""},
    {u"simpleChart", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"simpleChart", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // contextMenu
    {u"contextMenu", u"items", u"Pipe-separated menu item labels", PropertyKind::text, u"", u"e.g. View Details|Edit|---|Delete"},
    {u"contextMenu", u"iconSize", u"Icon display size", PropertyKind::choice, u"text|small|medium", u""},
    {u"contextMenu", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"contextMenu", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // scrollingTicker
    {u"scrollingTicker", u"items", u"Pipe-separated items to scroll", PropertyKind::text, u"", u"e.g. News 1|News 2|News 3"},
    {u"scrollingTicker", u"separator", u"Text placed between each item", PropertyKind::text, u"", u"e.g.  |  (spaces + separator)"},
    {u"scrollingTicker", u"speed", u"Scroll duration in seconds (lower=faster)", PropertyKind::number, u"", u"e.g. 10  or  20"},
    {u"scrollingTicker", u"color", u"Ticker text color", PropertyKind::color, u"", u"e.g. #ffffff"},
    {u"scrollingTicker", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"scrollingTicker", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // iframeViewer
    {u"iframeViewer", u"src", u"URL or file path to display", PropertyKind::file, u"", u"e.g. [PubDir]manual.pdf  or  https://example.com/"},
    {u"iframeViewer", u"scrollbars", u"Scrollbar visibility", PropertyKind::choice, u"auto|none|vertical|horizontal|both", u""},
    {u"iframeViewer", u"sandbox", u"Enable sandbox security restrictions", PropertyKind::boolean, u"true|false", u""},
    {u"iframeViewer", u"onlineViewer", u"Open with online viewer (PDF/Office docs)", PropertyKind::choice, u"auto|google|microsoft|none", u""},
    {u"iframeViewer", u"visible", u"Show or hide the control", PropertyKind::boolean, u"true|false", u""},
    {u"iframeViewer", u"enabled", u"Enable or disable user interaction", PropertyKind::boolean, u"true|false", u""},

    // *style
    {u"*style", u"bgColor", u"Background color", PropertyKind::color, u"", u"e.g. #1a1a2e"},
    {u"*style", u"bgOpacity", u"Background opacity 0-100 (100=opaque)", PropertyKind::number, u"", u"e.g. 80"},
    {u"*style", u"bgImage", u"Background image URL or [AppDir] path", PropertyKind::file, u"", u"e.g. [PubDir]bg.jpg"},
    {u"*style", u"bgImageSize", u"Background image sizing", PropertyKind::choice, u"cover|contain|auto", u""},
    {u"*style", u"bgImagePos", u"Background image position", PropertyKind::text, u"", u"e.g. center  or  top left"},
    {u"*style", u"bgImageRepeat", u"Background image repeat mode", PropertyKind::choice, u"no-repeat|repeat|repeat-x|repeat-y", u""},
    {u"*style", u"style.background", u"CSS background - color or gradient", PropertyKind::background, u"", u"e.g. #cc2244  or  linear-gradient(135deg,#f00,#00f)"},
    {u"*style", u"borderStyle", u"Border line style", PropertyKind::choice, u"none|solid|dashed|dotted|double|groove|ridge", u""},
    {u"*style", u"borderColor", u"Border color", PropertyKind::color, u"", u"e.g. #3a3a60"},
    {u"*style", u"borderWidth", u"Border thickness in pixels", PropertyKind::number, u"", u"e.g. 1  or  2"},
    {u"*style", u"borderRadius", u"Corner rounding radius in pixels", PropertyKind::number, u"", u"e.g. 8  or  0"},
    {u"*style", u"fontFamily", u"Font name", PropertyKind::text, u"", u"e.g. Arial  or  Consolas"},
    {u"*style", u"fontSize", u"Font size in pixels", PropertyKind::number, u"", u"e.g. 14  or  18"},
    {u"*style", u"fontWeight", u"Font weight", PropertyKind::choice, u"normal|bold|100|200|300|400|500|600|700|800|900", u""},
    {u"*style", u"fontStyle", u"Font style", PropertyKind::choice, u"normal|italic|oblique", u""},
    {u"*style", u"textAlign", u"Text alignment", PropertyKind::choice, u"left|center|right|justify", u""},
    {u"*style", u"textDecoration", u"Text decoration", PropertyKind::choice, u"none|underline|line-through|overline", u""},
    {u"*style", u"textColor", u"Text foreground color", PropertyKind::color, u"", u"e.g. #ffffff"},
    {u"*style", u"shadowEnabled", u"Enable drop shadow", PropertyKind::boolean, u"true|false", u""},
    {u"*style", u"shadowColor", u"Shadow color", PropertyKind::color, u"", u"e.g. rgba(0,0,0,0.5)"},
    {u"*style", u"shadowX", u"Shadow horizontal offset in pixels", PropertyKind::number, u"", u"e.g. 2  or  -2"},
    {u"*style", u"shadowY", u"Shadow vertical offset in pixels", PropertyKind::number, u"", u"e.g. 2  or  4"},
    {u"*style", u"shadowBlur", u"Shadow blur radius in pixels (0-80)", PropertyKind::number, u"", u"e.g. 8"},
    {u"*style", u"shadowSpread", u"Shadow spread radius in pixels", PropertyKind::number, u"", u"e.g. 0  or  4"},
    {u"*style", u"gradientEnabled", u"Enable gradient background", PropertyKind::boolean, u"true|false", u""},
    {u"*style", u"gradientType", u"Gradient type", PropertyKind::choice, u"linear|radial", u""},
    {u"*style", u"gradientColor1", u"Gradient start color", PropertyKind::color, u"", u"e.g. #4466ff"},
    {u"*style", u"gradientColor2", u"Gradient end color", PropertyKind::color, u"", u"e.g. #aa22cc"},
    {u"*style", u"gradientAngle", u"Gradient angle in degrees (linear only)", PropertyKind::number, u"", u"e.g. 135  or  0"},
    {u"*style", u"width", u"Control width in pixels", PropertyKind::number, u"", u"e.g. 200"},
    {u"*style", u"height", u"Control height in pixels", PropertyKind::number, u"", u"e.g. 40"},
    {u"*style", u"left", u"Left position in pixels", PropertyKind::number, u"", u"e.g. 100"},
    {u"*style", u"top", u"Top position in pixels", PropertyKind::number, u"", u"e.g. 50"},
};
}  // namespace

int propertyTextCount() { return static_cast<int>(std::size(kPropertyTexts)); }
const PropertyText& propertyTextAt(int index) { return kPropertyTexts[index]; }
