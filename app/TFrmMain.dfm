object FrmMain: TFrmMain
  Left = 279
  Top = 176
  BorderIcons = [biSystemMenu]
  Caption = 'Haomiso'
  Width = 303
  Height = 335
  Color = clBtnFace
  Font.Charset = 1
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Icon.Data = {
    0000010001002020000001000800A80800001600000028000000200000004000
    0000010008000000000080040000000000000000000000010000000000000000
    0000FFFFFF00C86E2800823C1400F5C8960028BEF00000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    0000000000030303030303030303030303030303030303000000000000000000
    0000020202020202020202020202020202020202020202020202000000000000
    0002020202020202020202020202020202020202020202020502020000000000
    0002020202020202020202020202020202020202020202050502020000000000
    0002020202020202020202020202020202020202020205050502020000000000
    0302020202020202020202020202020202020202020505050202020300000000
    0302020202020202020202020202020202020202050505020202020300000000
    0302020202020202020202020202020202020205050502020202020300000000
    0302020202020202020202020202020202020505050202020202020300000000
    0302020202020202020101010101020202050505020202020202020300000000
    0302020202020201010101010101010105050502020202020202020300000000
    0302020202020101010101010101010101050202020202020202020300000000
    0302020202010101010404040404010101010202020202020202020300000000
    0302020202010101040404040404040101010202020202020202020300000000
    0302020201010104040404040404040401010102020202020202020300000000
    0302020201010104040404040404040401010102020202020202020300000000
    0302020201010104040404040404040401010102020202020202020300000000
    0302020201010104040404040404040401010102020202020202020300000000
    0302020201010104040404040404040401010102020202020202020300000000
    0302020202010101040404040404040101010202020202020202020300000000
    0302020202010101010404040404010101010202020202020202020300000000
    0302020202020101010101010101010101020202020202020202020300000000
    0302020202020201010101010101010102020202020202020202020300000000
    0002020202020202020101010101020202020202020202020202020000000000
    0002020202020202020202020202020202020202020202020202020000000000
    0002020202020202020202020202020202020202020202020202020000000000
    0000020202020202020202020202020202020202020202020202000000000000
    0000000000030303030303030303030303030303030303000000000000000000
    0000000000000000000000000000000000000000000000000000000000000000
    000000000000000000000000000000000000000000000000000000000000FFFF
    FFFFFFFFFFFFFE00007FF000000FE0000007E0000007E0000007C0000003C000
    0003C0000003C0000003C0000003C0000003C0000003C0000003C0000003C000
    0003C0000003C0000003C0000003C0000003C0000003C0000003C0000003C000
    0003E0000007E0000007E0000007F000000FFE00007FFFFFFFFFFFFFFFFF}
  OnCanResize = FormCanResize
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 13
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 295
    Height = 308
    ActivePage = TabSheet1
    Align = alClient
    TabOrder = 0
    object TabSheet1: TTabSheet
      Caption = '邮政编码'
      ImageIndex = 0
      object Label1: TLabel
        Left = 9
        Top = 221
        Width = 66
        Height = 13
        Caption = '查找方式(&M):'
        FocusControl = DBComboBoxEh1
      end
      object Label2: TLabel
        Left = 11
        Top = 248
        Width = 64
        Height = 13
        Caption = '查找内容(&T):'
        FocusControl = DBEditEh2
      end
      object DBEditEh2: TDBEditEh
        Left = 87
        Top = 245
        Width = 116
        Height = 19
        AlwaysShowBorder = True
        Ctl3D = True
        EditButtons = <>
        Flat = True
        ParentCtl3D = False
        TabOrder = 0
        Visible = True
      end
      object DBGridEh1: TDBGridEh
        Left = 7
        Top = 6
        Width = 266
        Height = 203
        AutoFitColWidths = True
        DataSource = DataSource1
        FooterColor = clWindow
        FooterFont.Charset = 1
        FooterFont.Color = clWindowText
        FooterFont.Height = -11
        FooterFont.Name = 'MS Sans Serif'
        FooterFont.Style = []
        Options = [dgTitles, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
        RowHeight = 18
        TabOrder = 1
        TitleFont.Charset = 1
        TitleFont.Color = clWindowText
        TitleFont.Height = -11
        TitleFont.Name = 'MS Sans Serif'
        TitleFont.Style = []
        TitleHeight = 16
        Columns = <
          item
            FieldName = '区号'
            Title.TitleButton = True
            Width = 46
          end
          item
            FieldName = '邮编'
            Title.TitleButton = True
            Width = 49
          end
          item
            FieldName = '省名'
            Title.Caption = '省份'
            Title.TitleButton = True
            Width = 63
          end
          item
            FieldName = '县市名'
            Title.Caption = '县/市名'
            Title.TitleButton = True
            Width = 72
          end>
      end
      object BitBtn1: TBitBtn
        Left = 217
        Top = 220
        Width = 54
        Height = 42
        Caption = '查找(&S)'
        TabOrder = 2
        OnClick = BitBtn1Click
      end
      object DBComboBoxEh1: TDBComboBoxEh
        Left = 87
        Top = 218
        Width = 117
        Height = 19
        AlwaysShowBorder = True
        EditButton.Width = 14
        EditButtons = <>
        Flat = True
        Items.Strings = (
          '区号'
          '邮编'
          '省份'
          '县/市名')
        TabOrder = 3
        Text = '区号'
        Visible = True
      end
    end
    object TabSheet2: TTabSheet
      Caption = '手机'
      ImageIndex = 1
      object Panel2: TPanel
        Left = 0
        Top = 0
        Width = 287
        Height = 280
        Align = alClient
        Color = clWhite
        TabOrder = 0
        object Label4: TLabel
          Left = 11
          Top = 14
          Width = 74
          Height = 13
          Caption = '手机号码(&M):'
          FocusControl = DBEditEh1
        end
        object DBEditEh1: TDBEditEh
          Left = 97
          Top = 11
          Width = 116
          Height = 19
          AlwaysShowBorder = True
          Ctl3D = True
          EditButtons = <>
          Flat = True
          ParentCtl3D = False
          TabOrder = 0
          Visible = True
        end
        object BitBtn2: TBitBtn
          Left = 217
          Top = 8
          Width = 54
          Height = 25
          Caption = '查找(&S)'
          TabOrder = 1
          OnClick = BitBtn2Click
        end
        object Memo1: TMemo
          Left = 16
          Top = 40
          Width = 257
          Height = 225
          Ctl3D = False
          ParentCtl3D = False
          TabOrder = 2
        end
      end
    end
    object TabSheet3: TTabSheet
      Caption = '身份证'
      ImageIndex = 2
      object Panel3: TPanel
        Left = 0
        Top = 0
        Width = 287
        Height = 280
        Align = alClient
        Color = clWhite
        TabOrder = 0
        object Label5: TLabel
          Left = 11
          Top = 13
          Width = 94
          Height = 13
          Caption = '身份证号前6位(&C):'
          FocusControl = DBEditEh3
        end
        object DBEditEh3: TDBEditEh
          Left = 111
          Top = 10
          Width = 95
          Height = 19
          AlwaysShowBorder = True
          Ctl3D = True
          EditButtons = <>
          Flat = True
          ParentCtl3D = False
          TabOrder = 0
          Visible = True
        end
        object BitBtn3: TBitBtn
          Left = 217
          Top = 6
          Width = 54
          Height = 25
          Caption = '查找(&S)'
          TabOrder = 1
          OnClick = BitBtn3Click
        end
        object Memo2: TMemo
          Left = 16
          Top = 40
          Width = 257
          Height = 225
          Ctl3D = False
          ParentCtl3D = False
          TabOrder = 2
        end
      end
    end
  end
  object DataSource1: TDataSource
  end
  object ADOConnection1: TADOConnection
    LoginPrompt = False
    Mode = cmShareDenyNone
  end
  object ADOQuery1: TADOQuery
    Connection = ADOConnection1
    CursorType = ctStatic
    SQL.Strings = (
      'Select * from AreaData')
  end
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox,
      xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcPanel,
      xcGroupBox, xcStatusBar, xcTab, xcSystemMenu]
    Skin3rd.Strings = (
      'TTBDock=Panel'
      'TTBToolbar=Panel'
      'TImageEnMView=scrollbar'
      'TImageEnView=scrollbar'
      'TRzButton=button'
      'TRzCheckGroup=CheckGroup'
      'TRzRadioGroup=Radiogroup'
      'TRzRadioButton=Radiobutton'
      'TRzCheckBox=Checkbox'
      'TRzButtonEdit=Edit'
      'TRzDBRadioGroup=Radiogroup'
      'TRzDBRadioButton=Radiobutton'
      'TRzDBCheckBox=Checkbox'
      'TLMDGroupBox=Groupbox'
      'TDBCheckboxEh=Checkbox'
      'TDBCheckboxEh=Checkbox'
      'TLMDCHECKBOX=Checkbox'
      'TLMDDBCHECKBOX=Checkbox'
      'TLMDRadiobutton=Radiobutton'
      'TLMDCalculator=panel'
      'TLMDGROUPBOX=Panel'
      'TLMDSIMPLEPANEL=Panel'
      'TLMDDBCalendar=Panel'
      'TLMDButtonPanel=Panel'
      'TLMDLMDCalculator=Panel'
      'TLMDHeaderPanel=Panel'
      'TLMDTechnicalLine=Panel'
      'TLMDLMDClock=Panel'
      'TLMDTrackbar=panel'
      'TLMDListCombobox=combobox'
      'TLMDCheckListCombobox=combobox'
      'TLMDHeaderListCombobox=combobox'
      'TLMDImageCombobox=combobox'
      'TLMDColorCombobox=combobox'
      'TLMDFontCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDPrinterCombobox=combobox'
      'TLMDDriveCombobox=combobox'
      'TLMDCalculatorComboBox=combobox'
      'TLMDTrackBarComboBox=combobox'
      'TLMDCalendarComboBox=combobox'
      'TLMDTreeComboBox=combobox'
      'TLMDRADIOGROUP=radiogroup'
      'TLMDCheckGroup=CheckGroup'
      'TLMDDBRADIOGROUP=radiogroup'
      'TLMDDBCheckGroup=CheckGroup'
      'TLMDCalculatorEdit=edit'
      'TLMDEDIT=Edit'
      'TLMDMASKEDIT=Edit'
      'TLMDBROWSEEDIT=Edit'
      'TLMDEXTSPINEDIT=Edit'
      'TLMDCALENDAREDIT=Edit'
      'TLMDFILEOPENEDIT=Edit'
      'TLMDFILESAVEEDIT=Edit'
      'TLMDCOLOREDIT=Edit'
      'TLMDDBEDIT=Edit'
      'TLMDDBMASKEDIT=Edit'
      'TLMDDBEXTSPINEDIT=Edit'
      'TLMDDBSPINEDIT=Edit'
      'TLMDDBEDITDBLookup=Edit'
      'TLMDEDITDBLookup=Edit'
      'TDBLookupCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBLookupCombo=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWKeyCombo=Combobox'
      'TWWTempKeyCombo=combobox'
      'TWWDBDateTimePicker=Combobox'
      'TWWRADIOGROUP=radiogroup'
      'TWWDBEDIT=Edit'
      'TcxButton=bitbtn'
      'TcxDBCheckBox=checkbox'
      'TcxDBRadioGroup=radiogroup'
      'TcxRadioGroup=radiogroup'
      'TcxCheckBox=checkbox'
      'TOVCPICTUREFIELD=Edit'
      'TOVCDBPICTUREFIELD=Edit'
      'TOVCSLIDEREDIT=Edit'
      'TOVCDBSLIDEREDIT=Edit'
      'TOVCSIMPLEFIELD=Edit'
      'TOVCDBSIMPLEFIELD=Edit'
      'TO32DBFLEXEDIT=Edit'
      'TOVCNUMERICFIELD=Edit'
      'TOVCDBNUMERICFIELD=Edit')
    SkinStore = '(Good)'
    SkinFormtype = sfMainform
    Version = '2.68.9.07'
    MenuUpdate = True
    SkinStream = { 00000000 }
  end
end
