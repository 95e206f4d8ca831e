object Form1: TSampleForm
  Caption = 'It''s '#13#10'工具箱'
  Color = $00FF8000
  Font.Charset = GB2312_CHARSET
  Font.Name = 'Tahoma'
  Font.Style = [fsBold, fsItalic]
  OnCreate = FormCreate
  OnCanResize = FormCanResize
  object Panel1: TSamplePanel
    Left = 7
    Align = alClient
    Color = clWhite
    object Button1: TSampleControl
      Left = -3
      Visible = False
      Caption = '查找(&S)'
      Font.Charset = 0
      Font.Color = clRed
      OnClick = Button1Click
    end
    object Memo1: TSampleMemo
      Lines.Strings = (
        'first'
        ''
        'third')
    end
  end
  object Grid1: TSampleGrid
    DataSource = DataSource1
    Columns = <
      item
        FieldName = '区号'
        Title.TitleButton = True
        Width = 46
      end
      item
        FieldName = '省名'
        Title.Caption = '省份'
      end>
  end
  object DataSource1: TSampleSource
    Tag = 99
  end
  object SkinData1: TSampleSkin
    SkinStream = {
      05000000414243
      00FF}
  end
end
