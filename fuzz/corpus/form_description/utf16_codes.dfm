object F: TSampleForm
  Caption = #55357#56832'|'#55357'x'#56832
end
