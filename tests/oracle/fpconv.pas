{ The oracle of the stream tests: Free Pascal's own converter between the binary
  component stream and its text form.
    fpconv totext IN OUT | fpconv tobinary IN OUT }
program fpconv;
{$mode objfpc}{$H+}
uses Classes, SysUtils;
var
  Input, Output: TFileStream;
begin
  if ParamCount <> 3 then Halt(2);
  Input := TFileStream.Create(ParamStr(2), fmOpenRead);
  try
    Output := TFileStream.Create(ParamStr(3), fmCreate);
    try
      if ParamStr(1) = 'totext' then
        ObjectBinaryToText(Input, Output)
      else
        ObjectTextToBinary(Input, Output);
    finally
      Output.Free;
    end;
  finally
    Input.Free;
  end;
end.
