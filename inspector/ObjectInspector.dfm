object ObjectInspForm: TObjectInspForm
  Left = 523
  Top = 122
  Width = 184
  Height = 511
  BorderStyle = bsSizeToolWin
  Caption = '对象浏览器'
  Color = clWhite
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  FormStyle = fsStayOnTop
  OnActivate = FormActivate
  OnDeactivate = FormDeactivate
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnResize = FormResize
  OnShow = FormShow
  object CB1: TComboBox
    Left = 0
    Top = 2
    Width = 127
    Height = 21
    Style = csOwnerDrawFixed
    ItemHeight = 15
    Sorted = True
    TabOrder = 0
    OnClick = CB1Click
    OnDrawItem = CB1DrawItem
    OnDropDown = CB1DropDown
  end
  object Box: TScrollBox
    Left = 0
    Top = 28
    Width = 127
    Height = 177
    HorzScrollBar.Visible = False
    Color = clWhite
    ParentColor = False
    TabOrder = 1
    object PaintBox1: TPaintBox
      Left = 0
      Top = 0
      Width = 123
      Height = 173
      Align = alClient
      Color = clWhite
      ParentColor = False
      OnMouseDown = PaintBox1MouseDown
      OnMouseMove = PaintBox1MouseMove
      OnMouseUp = PaintBox1MouseUp
      OnPaint = PaintBox1Paint
    end
  end
  object Edit1: TEdit
    Left = 8
    Top = 232
    Width = 121
    Height = 14
    AutoSize = False
    BorderStyle = bsNone
    TabOrder = 2
    Visible = False
    OnDblClick = Edit1DblClick
    OnKeyDown = Edit1KeyDown
    OnKeyPress = Edit1KeyPress
    OnMouseDown = Edit1MouseDown
  end
  object EditPanel: TPanel
    Left = 8
    Top = 256
    Width = 14
    Height = 14
    BevelOuter = bvNone
    TabOrder = 3
    Visible = False
    object EditBtn: TSpeedButton
      Left = 0
      Top = 0
      Width = 14
      Height = 14
      OnClick = EditBtnClick
      Glyph.Data = {
        B6000000424DB60000000000000036000000280000000A000000040000000100
        18000000000080000000130B0000130B00000000000000000000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000000000000000
        C0C0C0C0C0C0000000000000C0C0C0C0C0C00000000000000000000000000000
        C0C0C0C0C0C0000000000000C0C0C0C0C0C00000000000000000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000}
    end
  end
  object ComboPanel: TPanel
    Left = 8
    Top = 280
    Width = 14
    Height = 14
    BevelOuter = bvNone
    TabOrder = 4
    Visible = False
    object ComboBtn: TSpeedButton
      Left = 0
      Top = 0
      Width = 14
      Height = 14
      OnClick = ComboBtnClick
      Glyph.Data = {
        76010000424D760100000000000036000000280000000A0000000A0000000100
        18000000000040010000130B0000130B00000000000000000000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000C0C0C0C0C0C0
        C0C0C0C0C0C0000000C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000C0C0C0C0C0C0
        C0C0C0000000000000000000C0C0C0C0C0C0C0C0C0C0C0C00000C0C0C0C0C0C0
        000000000000000000000000000000C0C0C0C0C0C0C0C0C00000C0C0C0000000
        000000000000000000000000000000000000C0C0C0C0C0C00000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000C0C0C0C0C0C0
        C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C0C00000}
    end
  end
  object namesE: TComboBox
    Left = 0
    Top = -1000
    Width = 145
    Height = 21
    Style = csDropDownList
    TabOrder = 5
    Visible = False
    Items.Strings = (
      'ctl3d'
      'oemconvert'
      'tabstop'
      'bordercolor'
      'borderstyle'
      'borderwidth'
      'flag'
      'tag'
      'caption'
      'size'
      'popupmenu'
      'position'
      'height'
      'keyfield'
      'keyfields'
      'endcolor'
      'begincolor'
      'bidimode'
      'width'
      'columns'
      'columnwidth'
      'passwordchar'
      'name'
      'bevelinner'
      'bevelkind'
      'bevelouter'
      'top'
      'topmargin'
      'style'
      'breaked'
      'enabled'
      'gradient'
      'visible'
      'stretch'
      'stretched'
      'roundrect'
      'roundsize'
      'showhint'
      'readonly'
      'dataset'
      'datasource'
      'datafield'
      'fieldname'
      'hint'
      'fillcolor'
      'condition'
      'alphablend'
      'alpha'
      'transparent'
      'picture'
      'dragcursor'
      'dragkind'
      'dragmode'
      'memo'
      'text'
      'filename'
      'bottommargin'
      'autoselect'
      'autosize'
      'charcase'
      'color'
      'font'
      'row'
      'shape'
      'taborder'
      'shadowwidth'
      'shadowcolor'
      'rightmargin'
      'mainmenu'
      'master'
      'masterdatasource'
      'wordbreak'
      'wordwrap'
      'maxlength'
      'max'
      'min'
      'left'
      'leftmargin'
      'name'
      'cursor'
      'imemode'
      'imename'
      'hideselection'
      'autocomplete')
  end
  object namesC: TComboBox
    Left = 0
    Top = -1000
    Width = 145
    Height = 21
    Style = csDropDownList
    TabOrder = 6
    Visible = False
    Items.Strings = (
      '3D外观'
      'OEM转换'
      'TAB控制'
      '边框颜色'
      '边框样式'
      '边框宽度'
      '标记'
      '标记'
      '标题'
      '大小'
      '弹出菜单'
      '方向'
      '高度'
      '关键字段'
      '关键字段'
      '结束填充颜色'
      '开始填充颜色'
      '控件操作方向'
      '宽度'
      '列'
      '列宽'
      '密码字符'
      '名称'
      '内斜面'
      '斜面类型'
      '外斜面'
      '上'
      '上边距'
      '式样'
      '是否打断'
      '是否活动'
      '是否渐变'
      '是否可见'
      '是否拉伸'
      '是否拉伸'
      '是否显示成圆矩形'
      '圆角大小'
      '是否显示提示'
      '是否只读'
      '数据集'
      '数据源'
      '字段'
      '字段名称'
      '提示'
      '填充颜色'
      '条件'
      '透明'
      '透明度'
      '透明'
      '图片'
      '拖动光标'
      '拖动类型'
      '拖动模式'
      '文本'
      '文本'
      '文件名'
      '下边距'
      '自动选择'
      '自适应大小'
      '字符'
      '颜色'
      '字体'
      '行'
      '形状'
      '序号'
      '阴影宽度'
      '阴影颜色'
      '右边距 '
      '主菜单'
      '主数据源'
      '主数据源'
      '字打断(仅用于俄语)'
      '自动换行'
      '最大长度'
      '最大值'
      '最小值'
      '左'
      '左边距'
      '名称'
      '光标'
      '输入法模式'
      '输入法名称'
      '隐藏选择的'
      '自动完成')
  end
end
